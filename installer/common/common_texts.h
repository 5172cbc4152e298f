// Texts of the shared installer routines: the English/Japanese pairs in one
// table (common_texts.cpp), the texts that exist in English only below. The status lines of copying and deleting get the file name
// appended; the start and wait failures exist in English only.
#pragma once

#include "installer/common/language.h"

namespace orva::installer {

enum class CommonText {
  CopyFilesStatus, // install
  CopyFileStatus,  // setup
  DeleteFilesStatus,
  Count
};

const TextPair& TextPairOf(CommonText id);

inline constexpr char kCannotStartDriver[] = "Can not start driver.";
inline constexpr char kDriverWaitError[] = "Waiting error for the completion of the driver.";
inline constexpr char kCannotStartInstaller[] = "Can not start installer.";
inline constexpr char kCannotStartDirsweep[] = "Can not start delete folder.";

// Suffixes of the diagnostic label LblSystemFile.
inline constexpr char kAlreadyExistSuffix[] = " already exist";
inline constexpr char kCopySuffix[] = " copy";

} // namespace orva::installer
