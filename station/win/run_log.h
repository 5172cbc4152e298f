// The run log file ("temp.txt"): emptied at START, one line appended per
// kept reading (open, append, close, so the file is complete after every
// reading). Both report failure instead of throwing, so a read-only, locked
// or full file never stops the station.
#pragma once

#include <string>

namespace orva {

// Creates or truncates the file. False when that was not possible.
bool EmptyRunLog(const std::string& path);

// Appends the bytes (ANSI, as they are) at the end of the file, creating it
// when missing. False when they could not all be written; a partly written
// line is cut off again so the file holds whole lines only.
bool AppendRunLog(const std::string& path, const std::string& line);

} // namespace orva
