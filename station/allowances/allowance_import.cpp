#include "station/allowances/allowance_import.h"

namespace orva {

ImportOutcome ImportAllowances(AllowanceList& list, std::string_view csvBytes, std::string_view lang) {
  const CsvReading reading = ReadAllowanceCsv(csvBytes);
  ImportOutcome outcome;
  outcome.counts = list.Merge(reading.entries);
  outcome.refused = reading.refused.size();
  outcome.report = FillIn(PickText(lang, Text::ImportCounts), std::to_string(outcome.counts.added),
                          std::to_string(outcome.counts.replaced)) +
                   "\r\n" +
                   (reading.refused.empty() ? PickText(lang, Text::ImportNothingRefused) + "\r\n"
                                            : RefusalReport(lang, reading.refused));
  return outcome;
}

std::string ListFileReport(std::string_view lang, std::string_view fileName, std::string_view keptAs,
                           const std::vector<CsvRefusal>& refused) {
  if (refused.empty()) return {};
  return FillIn(PickText(lang, Text::ListFileLinesRefused), fileName, keptAs) + "\r\n" + RefusalReport(lang, refused);
}

} // namespace orva
