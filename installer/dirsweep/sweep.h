// The folder remover's one pass: wait until the installer's window is gone,
// wait a little longer, then remove the temporary install folder if it
// carries the marker that setup left there when it created the folder.
// The pass acts only through SweepSystem, so tests run it on a fake clock
// and a fake window.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace orva::dirsweep {

inline constexpr char kTempFolder[] = "C:\\XTEMPINS";
inline constexpr char kHandleFile[] = "C:\\XTEMPINS\\temp.txt";
inline constexpr char kMarkerFile[] = "C:\\XTEMPINS\\DIR.TXT";

// The first line of "temp.txt" as a window handle. Grammar (ASCII bytes):
//
//   line   = blanks ["+" | "-"] digit {digit} blanks
//   blanks = { " " | TAB | CR }
//
// The value must fit 32 bits, signed or unsigned (-2147483648 to
// 4294967295); a negative value stands for the same 32 bits unsigned, as a
// handle written by a signed formatter would. Anything else (empty, letters,
// a fraction, a blank inside the number, too many digits): nullopt.
std::optional<std::uint32_t> ParseWindowHandle(std::string_view line);

// What the pass needs from the system. Paths are ANSI.
class SweepSystem {
public:
  virtual ~SweepSystem() = default;
  virtual bool IsFile(const std::string& path) = 0;
  virtual bool IsFolder(const std::string& path) = 0;
  // The first line without its line end; nullopt when the file cannot be
  // opened or holds no line at all. `error` then names the reason.
  virtual std::optional<std::string> ReadFirstLine(const std::string& path, std::string& error) = 0;
  // ExeActive of the device-link library: true while the window exists.
  // nullopt when the library or its function cannot be bound (`error` says why).
  virtual std::optional<bool> ExeActive(std::uint32_t window, std::string& error) = 0;
  virtual void PauseSeconds(double seconds) = 0;
  // Deletes the folder with its files and subfolders, read-only files
  // excepted; whatever cannot be deleted stays. False, with `error` naming
  // the first item that stayed and why, unless everything went.
  virtual bool DeleteFolder(const std::string& path, std::string& error) = 0;
};

enum class SweepEnd {
  Removed,           // the folder and everything in it are gone
  NotMarked,         // no folder, or a folder setup did not create: left alone
  HandleNotANumber,  // "temp.txt" unreadable or its first line not a handle
  LibraryUnavailable,// the library or ExeActive could not be bound
  NotRemoved,        // the folder could not be wholly deleted
};

struct SweepResult {
  SweepEnd end = SweepEnd::NotMarked;
  std::string detail; // the reason, for the one message of a failed pass
};

inline constexpr int kMaxWindowChecks = 5;
inline constexpr double kPauseSeconds = 3.0;

SweepResult SweepTempFolder(SweepSystem& system);

// The one message a failed pass ends with; empty for Removed and NotMarked.
std::string SweepFailureMessage(const SweepResult& result);

} // namespace orva::dirsweep
