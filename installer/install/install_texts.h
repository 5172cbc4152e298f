// Every English/Japanese pair of INSTALL.EXE, in one table
// (install_texts.cpp). Byte for byte: the trailing blanks of two messages, the
// "フィルダ" of the folder message and the lone CR (no LF) between the lines of
// a multi-line status.
#pragma once

#include "installer/common/language.h"

namespace orva::installer {

enum class InstallText {
  // captions
  Browse, Next, Complete, Cancel, Help, SaveTitle,
  // status lines
  SwitchOffPrompt, ConnectPrompt, ConnectAndSwitchOn, SelectFolder, CopyFiles, InstallingDriver,
  InstallingMeter, WizardMayFinish, CancelWizardSwitchOn, DriverFailed,
  // message boxes
  RunSetupFromDisk, BadFolderName, NoSystemFolder, NoSystem32, KindNotAvailable, CloseMeasurementProgram,
  Count
};

const TextPair& TextPairOf(InstallText id);

} // namespace orva::installer
