// The shared routines of the installation tools, under their names. Paths
// are ANSI text; texts for the screen are UTF-8 pairs picked by the tool's
// language. A file error (a failing copy, creation or deletion, a locked or
// read-only target) ends the tool with one message box naming the error and
// the file: what was done so far stays.
#pragma once

#include "installer/common/language.h"
#include "installer/common/shortcut_folder.h"
#include "installer/common/windows_kind.h"
#include "installer/common/win/tool.h"

#include <string>
#include <string_view>
#include "winkit/twips.h"

#include <windows.h>

namespace orva::installer {

bool IsFile(const std::string& path);
bool IsFolder(const std::string& path);

// bold off, 9 points, "ＭＳＰゴシック" in Japanese, else "arial".
void ApplyFont(const Tool& tool, HWND control);
HFONT InstallerFont(Language language, winkit::Dpi dpi);

// On LblDisp: font, colour (0x00BBGGRR), alignment (0 left, 2 centred), the
// picked text, repainted at once.
void ShowStatus(const Tool& tool, std::string_view japanese, std::string_view english, int alignment,
                unsigned colour);
void ShowStatus(const Tool& tool, const TextPair& text, int alignment, unsigned colour);

void DrawBanner(const Tool& tool, const std::wstring& text);

// GetVersionExA with the 148-byte record; writes the kind's label into LblOS.
WindowsKind DetectWindows(const Tool& tool);
// Sets WindowsFolder and SystemFolder (no trailing backslash) and their labels.
void ReadSystemFolders(Tool& tool);

// Puts a shared control file into SystemFolder unless one as new is there.
// A control file missing from the tool folder is skipped: the disk need not
// carry one, and nothing may overwrite a real system control with a stand-in.
// withStatus: setup shows a status line for each copy.
void InstallSystemControl(const Tool& tool, const std::string& fileName, bool withStatus);

// Copies tool folder + fileName to folder, overwriting, when it is present,
// and shows status + fileName ("Copy files..." in install, "Copy file..." in setup).
void CopyToFolder(const Tool& tool, const std::string& fileName, const std::string& folder,
                  const TextPair& status);

// Copies one file over another (a missing source is a file error).
void CopyFileOver(const Tool& tool, const std::string& source, const std::string& target);
void CreateFolder(const Tool& tool, const std::string& path);

// Starts a program (ShellExecuteExA, "Open", normal window) without waiting;
// on failure shows failureMessage and returns false.
bool LaunchProgram(const Tool& tool, const std::string& path, std::string_view failureMessage);

enum class DriverAction { Install, Uninstall };
// Runs a driver registration tool from the tool folder, hidden, on one INF
// file and waits for it to end while the window keeps working, with no
// overall time-out. Install: the INF from the tool folder; Uninstall: from
// the Windows "inf" folder, and a tool that is not there gives false with no
// message. A window closed during the wait ends the wait at once (the tool
// runs on by itself) and gives false with no message.
bool RunToolAndWait(Tool& tool, const std::string& toolName, const std::string& infName,
                    DriverAction action);

// Waits while the window stays responsive; ends early once the window is closed.
void PauseSeconds(const Tool& tool, double seconds);

// Deletes folder + fileName if it is present (not forcing a read-only
// file), then shows "Delete files..." + fileName in every case.
void DeleteFromFolder(const Tool& tool, const std::string& fileName, const std::string& folder);

void ShowNext(const Tool& tool, bool flag);
void ShowCancel(const Tool& tool, bool flag);
void ShowComplete(const Tool& tool);

// OK only, no icon, the tool's title. Texts are UTF-8.
void ShowToolMessage(const Tool& tool, const TextPair& text);
void ShowToolMessage(const Tool& tool, std::string_view text);

[[noreturn]] void EndOnFileError(const Tool& tool, DWORD error, const std::string& path);

// The folder as the shell reports it (no trailing backslash), empty when none.
std::string SpecialFolderPath(SpecialFolder folder);
// A shell link at linkPath to target, starting in workingDirectory; a link
// that cannot be saved is a file error.
void CreateShortcut(const Tool& tool, const std::string& linkPath, const std::string& target,
                    const std::string& workingDirectory);

// Whether the measurement program runs (its single-instance mutex "ORVA" exists).
bool MeasurementProgramRunning();

} // namespace orva::installer
