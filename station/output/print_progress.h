// The texts of the printing box: what is being printed and the page in
// progress ("Page 3 of 143"), from the text table's pairs with their %1 and
// %2 filled in.
#pragma once

#include <string>
#include <string_view>

namespace orva {

// `text` with each "%1" replaced by `first` and each "%2" by `second`.
std::string FillIn(std::string_view text, std::string_view first, std::string_view second);

std::string PrintingWhatText(std::string_view curLanguage, int readings, std::string_view printerName);
std::string PrintingPageText(std::string_view curLanguage, int page, int pages);

} // namespace orva
