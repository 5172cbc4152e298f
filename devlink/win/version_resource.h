// Reads the file version of the companion file "wirecore.dll" (found by the
// system's library search, as the name has no folder) and turns it into the
// status record's version text.
#pragma once

#include "devlink/link_block.h"

namespace devlink::dll {

// Fills `out` with the companion file's version text, or "00.00-0" when the
// file is missing or its version resource cannot be read.
void readCompanionVersionText(char (&out)[kVersionTextSize]);

} // namespace devlink::dll
