// The list file on disk: Allowances.csv beside ORVA.ini, in the import and
// export format (UTF-8 with a byte-order mark), so Japanese names survive
// whatever the ANSI code page is and an engineer can open it in a
// spreadsheet. Paths are ANSI, as the station's own files are.
#pragma once

#include "station/allowances/allowance_csv.h"

#include <optional>
#include <string>

namespace orva {

inline constexpr char kAllowanceListFileName[] = "Allowances.csv";
inline constexpr char kDamagedListSuffix[] = ".bak";

// Beside the settings file.
std::string AllowanceListPathBeside(const std::string& iniPath);

// The list file read; a missing file is an empty list.
CsvReading ReadAllowanceListFile(const std::string& path);

// Replaces the file whole or not at all: the bytes go to a temporary file
// of their own, flushed, then renamed over the list, so a crash or a full
// disk never leaves half a list. With keepOld the file there is kept as
// path + ".bak" first (a damaged list's refused lines are not lost).
bool WriteFileReplacing(const std::string& path, const std::string& bytes, bool keepOld);

} // namespace orva
