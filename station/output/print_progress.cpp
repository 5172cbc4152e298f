#include "station/output/print_progress.h"

#include "station/settings/text_table.h"

namespace orva {

std::string FillIn(std::string_view text, std::string_view first, std::string_view second) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '%' && i + 1 < text.size() && (text[i + 1] == '1' || text[i + 1] == '2')) {
      out += text[i + 1] == '1' ? first : second;
      ++i;
    } else {
      out += text[i];
    }
  }
  return out;
}

std::string PrintingWhatText(std::string_view curLanguage, int readings, std::string_view printerName) {
  return FillIn(PickText(curLanguage, Text::PrintingWhat), std::to_string(readings), printerName);
}

std::string PrintingPageText(std::string_view curLanguage, int page, int pages) {
  return FillIn(PickText(curLanguage, Text::PrintingPage), std::to_string(page), std::to_string(pages));
}

} // namespace orva
