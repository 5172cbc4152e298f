// Every English/Japanese pair of SETUP.EXE, in one table (setup_texts.cpp).
#pragma once

#include "installer/common/language.h"

namespace orva::installer {

enum class SetupText { Next, Cancel, StartInstallation, PleaseWait, Count };

const TextPair& TextPairOf(SetupText id);

} // namespace orva::installer
