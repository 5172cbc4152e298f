// Every English/Japanese pair of SETUP.EXE, in one table.
#pragma once

#include "installer/common/language.h"

namespace orva::installer::setup_text {

inline constexpr TextPair kNext = {"次へ", "Next"};
inline constexpr TextPair kCancel = {"キャンセル", "Cancel"};
inline constexpr TextPair kStartInstallation = {"インストールを開始します", "Start Installation"};
inline constexpr TextPair kPleaseWait = {"お待ちください", "Please Wait..."};

} // namespace orva::installer::setup_text
