// The texts of the printing box: what is being printed and the page in
// progress ("Page 3 of 143"), from the text table's pairs with their %1 and
// %2 filled in (FillIn).
#pragma once

#include <string>
#include <string_view>

namespace orva {

std::string PrintingWhatText(std::string_view curLanguage, int readings, std::string_view printerName);
std::string PrintingPageText(std::string_view curLanguage, int page, int pages);

} // namespace orva
