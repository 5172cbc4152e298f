#include "station/output/print_progress.h"

#include "station/settings/text_table.h"

namespace orva {

std::string PrintingWhatText(std::string_view curLanguage, int readings, std::string_view printerName) {
  return FillIn(PickText(curLanguage, Text::PrintingWhat), std::to_string(readings), printerName);
}

std::string PrintingPageText(std::string_view curLanguage, int page, int pages) {
  return FillIn(PickText(curLanguage, Text::PrintingPage), std::to_string(page), std::to_string(pages));
}

} // namespace orva
