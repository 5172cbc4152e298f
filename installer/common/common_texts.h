// Texts of the shared installer routines, as English/Japanese pairs where
// both exist. The status lines of copying and deleting get the file name
// appended; the start and wait failures exist in English only.
#pragma once

#include "installer/common/language.h"

namespace orva::installer {

inline constexpr TextPair kCopyFilesStatus = {"ファイルをコピーしています...", "Copy files..."}; // install
inline constexpr TextPair kCopyFileStatus = {"ファイルをコピーしています...", "Copy file..."};   // setup
inline constexpr TextPair kDeleteFilesStatus = {"ファイルを削除しています...", "Delete files..."};

inline constexpr char kCannotStartDriver[] = "Can not start driver.";
inline constexpr char kDriverWaitError[] = "Waiting error for the completion of the driver.";
inline constexpr char kCannotStartInstaller[] = "Can not start installer.";
inline constexpr char kCannotStartDirsweep[] = "Can not start delete folder.";

// Suffixes of the diagnostic label LblSystemFile.
inline constexpr char kAlreadyExistSuffix[] = " already exist";
inline constexpr char kCopySuffix[] = " copy";

} // namespace orva::installer
