// The allowance list as comma-separated text, the one format of the list
// file beside ORVA.ini and of import and export:
//
//   file   = [BOM] header CRLF { line CRLF }     (BOM: EF BB BF; UTF-8 text)
//   header = "name,unit,high,low,title"
//   line   = name "," unit "," high "," low ["," title] {"," ""}
//   field  = bare | '"' { any but '"' | '""' } '"'
//
// A unit is "N" or "Hz" (either case, blanks around it allowed); the limits
// and the title are kept as they stand, the name without blanks at its ends.
// The reader takes line ends CR LF, LF or CR, and reads line by line: a
// damaged line (fields missing, a bad unit, limits START would refuse, a
// quote left open, bytes that are not UTF-8) is refused with its number and
// reason, and every other line is kept. A first line that is not the header
// is read as an entry. A UTF-16 file is refused as a whole.
#pragma once

#include "station/allowances/allowance_entry.h"

#include <string>
#include <string_view>
#include <vector>

namespace orva {

struct CsvRefusal {
  std::size_t line; // 1-based; 0 for the whole file
  AllowanceFault fault;
  friend bool operator==(const CsvRefusal&, const CsvRefusal&) = default;
};

struct CsvReading {
  std::vector<AllowanceEntry> entries; // checked, names unique, in file order
  std::vector<CsvRefusal> refused;     // in line order
};

CsvReading ReadAllowanceCsv(std::string_view bytes);

// The list with the BOM and the header; a field is quoted when it holds a
// comma, a quotation mark or a blank at either end.
std::string WriteAllowanceCsv(const std::vector<AllowanceEntry>& entries);

// What an import or the list file refused, for the operator: one line per
// refused line ("Line 7: The unit is neither N nor Hz.") up to `maxLines`,
// then how many more. Lines end in CR LF.
std::string RefusalReport(std::string_view curLanguage, const std::vector<CsvRefusal>& refused,
                          std::size_t maxLines = 200);

} // namespace orva
