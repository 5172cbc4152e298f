// The files the installation tools copy, in their order. The programs are
// linked statically, so the two rows for the user-interface runtime library
// and its Japanese resources name no file: an empty name is skipped like a
// file that is not on the disk.
#pragma once

#include <array>
#include <string_view>

namespace orva::installer {

inline constexpr std::string_view kNoRuntimeFile = "";

// Into the program folder, by the installer.
inline constexpr std::array<std::string_view, 23> kInstallFiles = {
    "msflxgrd.ocx",   "COMDLG32.ocx",   "windrvr6.sys",    "windrvr6.inf",    "wdreg_gui.exe",
    "wdreg.exe",      "wdreg16.exe",    "LinkKeeper.exe",  "ORVA.exe",        "ORVA.ini",
    "ORVA.inf",       "meterlink.dll",  "ORVAhelpE.chm",   "ORVAhelpJ.chm",   "SetuphelpEN.chm",
    "SetuphelpJP.chm", "UNINSTALL.EXE", "INSTALL.EXE",     "DIRSWEEP.EXE",    "DIR.TXT",
    "JP.TXT",         kNoRuntimeFile,   kNoRuntimeFile};

// From the disk into the temporary folder, by the setup launcher (the two
// marker files go separately, before these).
inline constexpr std::array<std::string_view, 22> kSetupFiles = {
    "msflxgrd.ocx",    "COMDLG32.ocx",    "windrvr6.sys",  "windrvr6.inf",  "wdreg_gui.exe",
    "wdreg.exe",       "wdreg16.exe",     "LinkKeeper.exe", "ORVA.exe",     "ORVA.ini",
    "ORVA.inf",        "meterlink.dll",   "ORVAhelpE.chm", "ORVAhelpJ.chm", "SetuphelpEN.chm",
    "SetuphelpJP.chm", "UNINSTALL.EXE",   "INSTALL.EXE",   "SETUP.EXE",     "DIRSWEEP.EXE",
    kNoRuntimeFile,    kNoRuntimeFile};

// The shared controls put into the system folder, in this order.
inline constexpr std::array<std::string_view, 2> kSystemControls = {"COMDLG32.ocx", "msflxgrd.ocx"};

inline constexpr char kTempFolder[] = "C:\\XTEMPINS";
inline constexpr char kDirMarker[] = "DIR.TXT";
inline constexpr char kJapaneseMarker[] = "JP.TXT";
inline constexpr char kDiskMarker[] = "Disk.txt";
inline constexpr char kHandleFile[] = "temp.txt";

} // namespace orva::installer
