// The module values of one installation tool (its language, the Windows
// and system folders, its own folder and title) and the handles of the
// shared window pieces the routines write to. Each tool holds one Tool for
// as long as it runs.
#pragma once

#include "installer/common/language.h"

#include <string>
#include <windows.h>

namespace orva::installer {

// Control ids shared by the tools' layout tables.
enum ControlId : int {
  kPicture1 = 1001,
  kLblDisp,
  kFrameLanguage,
  kOptEnglish, // OptLanguage(0)
  kOptJapanese, // OptLanguage(1)
  kCmdNext,
  kCmdCancel,
  kCmdExit,
  kCmdBrowse,
  kTxtInstallDir,
  kLblOS,
  kLblWindows,
  kLblSystem,
  kLblSystemFile,
  kLblSystem32,
  kMenuHelp, // the help menu's item
};

struct Tool {
  Language language = kLanguageEnglish;
  std::string WindowsFolder;
  std::string SystemFolder;
  std::string folder;   // the folder the tool runs from, with a trailing backslash
  std::wstring title;   // the title of every message box of the tool

  HWND window = nullptr;
  HWND Picture1 = nullptr, LblDisp = nullptr;
  HWND CmdNext = nullptr, CmdCancel = nullptr, CmdExit = nullptr;
  HWND LblOS = nullptr, LblWindows = nullptr, LblSystem = nullptr, LblSystemFile = nullptr,
       LblSystem32 = nullptr;

  // Set when the window is closed or cancelled while a routine waits: the
  // waits then return at once and the tool drops what it was doing.
  bool closed = false;
};

} // namespace orva::installer
