// Whole-file reads and writes of the results output (run log, print copy),
// byte for byte, with every handle closed on every way out.
#pragma once

#include <optional>
#include <string>

namespace orva {

// The file's bytes, or nothing when it cannot be opened or read. Others may
// keep writing the file meanwhile (the run log grows during a run).
std::optional<std::string> ReadWholeFile(const std::string& ansiPath);

// Creates or replaces the file with the bytes. False when it could not be
// opened or not all bytes were written.
bool WriteWholeFile(const std::string& ansiPath, const std::string& bytes);

// Creates the file, which must not be there yet, with the bytes, flushed to
// the disk: the first half of a write under a temporary name that is then
// renamed. False when it could not; what was written is removed again.
bool WriteNewFileFlushed(const std::string& ansiPath, const std::string& bytes);

} // namespace orva
