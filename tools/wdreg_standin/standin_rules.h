// Rules of the stand-ins for the driver registration tools (wdreg_gui.exe,
// wdreg16.exe, wdreg.exe). The real tools come from the driver's vendor; the
// stand-ins only record how they were called and end, after a delay or with
// a chosen exit code when a test asks for that, so the installer tools can be
// tested without any driver. Portable: no windows.h.
//
// Log: one line per call, appended, CR LF:  <tool path> TAB <arguments>
//   where <arguments> is the command line after the program name and the
//   blanks that follow it, kept byte for byte.
// Control file: read anew at every call; lines "key = value", '#' starts a
// comment; a line may be limited to one tool by a prefix "wdreg16.exe:".
//   delay = <ms>     wait this long before ending
//   hold  = <path>   then wait as long as this file exists
//   exit  = <code>   end with this code (overrides the computed one)
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace wdreg_standin {

// The command line as a tool sees it, split into program name and arguments.
struct CommandLine {
  std::string program;   // without quotes
  std::string arguments; // everything after the program and its blanks
};
CommandLine SplitCommandLine(const std::string& line);

// What the arguments ask for: "-inf <file> [-silent] install|uninstall".
struct Request {
  std::string inf;
  bool silent = false;
  std::string action; // "install", "uninstall" or "" when missing
};
std::optional<Request> ParseRequest(const std::string& arguments);

struct Control {
  int delayMs = 0;
  std::string holdPath;
  std::optional<int> exitCode;
};
// Settings of `text` that apply to the tool named `toolName` (file name,
// compared without regard to case). Unknown keys and bad numbers are ignored.
Control ParseControl(const std::string& text, const std::string& toolName);

// Exit codes when no control line sets one.
inline constexpr int kExitDone = 0;
inline constexpr int kExitUsage = 1;      // arguments not understood
inline constexpr int kExitInfMissing = 2; // install of an INF file that is not there
int ExitCodeFor(const std::optional<Request>& request, bool infExists);

// One log line (without CR LF) and its reading back for tests.
std::string LogLine(const std::string& toolPath, const std::string& arguments);
struct LoggedCall {
  std::string tool;
  std::string arguments;
};
std::vector<LoggedCall> ParseLog(const std::string& text);

// File name part of a path ("C:\XTEMPINS\wdreg.exe" -> "wdreg.exe").
std::string FileNameOf(const std::string& path);

} // namespace wdreg_standin
