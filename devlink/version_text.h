// The version text of the companion file "wirecore.dll" as it goes into the
// status record's 16-byte versionText field: "%.2d.%.1d%.1d-%.1X" of the
// file version's major, minor (low 8 bits), build and revision (low 8 bits).
// Portable: the Win32 side reads the version resource and passes the two
// 32-bit halves of the file version here.
#pragma once

#include <cstdint>

#include "devlink/link_block.h"

namespace devlink {

// Text used when the companion file is missing or has no readable version.
inline constexpr char kMissingVersionText[] = "00.00-0";

// Formats the text for file version words `versionMS` (dwFileVersionMS) and
// `versionLS` (dwFileVersionLS) into `out`. Large version numbers give up to
// 17 characters; the text is then cut to 15 so that it always fits the field
// with its NUL.
void formatVersionText(std::uint32_t versionMS, std::uint32_t versionLS,
                       char (&out)[kVersionTextSize]);

// Puts kMissingVersionText into `out`, zero-padded.
void missingVersionText(char (&out)[kVersionTextSize]);

} // namespace devlink
