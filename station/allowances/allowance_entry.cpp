#include "station/allowances/allowance_entry.h"

#include "station/limit_check.h"

#include <string>

namespace orva {
namespace {

bool HasControlCharacter(std::string_view text) {
  for (unsigned char c : text)
    if (c < 0x20 || c == 0x7F) return true;
  return false;
}

} // namespace

std::string TrimmedName(std::string_view name) {
  const size_t first = name.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return std::string(name.substr(first, name.find_last_not_of(" \t") - first + 1));
}

AllowanceFault CheckEntry(const AllowanceEntry& entry) {
  if (entry.name.empty()) return AllowanceFault::NameEmpty;
  if (Utf8Length(entry.name) > kMaxNameChars) return AllowanceFault::NameTooLong;
  for (const std::string* field : {&entry.name, &entry.high, &entry.low, &entry.title})
    if (HasControlCharacter(*field)) return AllowanceFault::ControlCharacter;
  if (Utf8Length(entry.high) > kMaxLimitChars || Utf8Length(entry.low) > kMaxLimitChars ||
      Utf8Length(entry.title) > kMaxTitleChars)
    return AllowanceFault::FieldTooLong;
  switch (CheckLimits(entry.high, entry.low).outcome) {
  case LimitCheck::Accepted: return AllowanceFault::None;
  case LimitCheck::HighNotNumeric: return AllowanceFault::HighNotNumeric;
  case LimitCheck::LowNotNumeric: return AllowanceFault::LowNotNumeric;
  case LimitCheck::NotAscending: return AllowanceFault::NotAscending;
  }
  return AllowanceFault::None;
}

bool IsLimitFault(AllowanceFault fault) {
  return fault == AllowanceFault::HighNotNumeric || fault == AllowanceFault::LowNotNumeric ||
         fault == AllowanceFault::NotAscending;
}

std::string FaultText(std::string_view lang, AllowanceFault fault) {
  const auto number = [](std::size_t n) { return std::to_string(n); };
  switch (fault) {
  case AllowanceFault::None: return {};
  case AllowanceFault::NameEmpty: return PickText(lang, Text::FaultNameEmpty);
  case AllowanceFault::NameTooLong: return FillIn(PickText(lang, Text::FaultNameTooLong), number(kMaxNameChars), "");
  case AllowanceFault::ControlCharacter: return PickText(lang, Text::FaultControlCharacter);
  case AllowanceFault::FieldTooLong:
    return FillIn(PickText(lang, Text::FaultFieldTooLong), number(kMaxLimitChars), number(kMaxTitleChars));
  case AllowanceFault::HighNotNumeric:
  case AllowanceFault::LowNotNumeric: return PickText(lang, Text::NotNumerical);
  case AllowanceFault::NotAscending: return PickText(lang, Text::HighAboveLow);
  case AllowanceFault::NameTaken: return PickText(lang, Text::FaultNameTaken);
  case AllowanceFault::NameEarlierLine: return PickText(lang, Text::FaultNameEarlierLine);
  case AllowanceFault::UnitUnknown: return PickText(lang, Text::FaultUnitUnknown);
  case AllowanceFault::TooFewFields: return PickText(lang, Text::FaultTooFewFields);
  case AllowanceFault::TooManyFields: return PickText(lang, Text::FaultTooManyFields);
  case AllowanceFault::QuoteNotClosed: return PickText(lang, Text::FaultQuoteNotClosed);
  case AllowanceFault::NotUtf8: return PickText(lang, Text::FaultNotUtf8);
  case AllowanceFault::FileUtf16: return PickText(lang, Text::FaultFileUtf16);
  }
  return {};
}

// Overlong forms, surrogates and code points above U+10FFFF are not UTF-8.
bool IsValidUtf8(std::string_view text) {
  size_t i = 0;
  while (i < text.size()) {
    const auto c = static_cast<unsigned char>(text[i]);
    size_t extra = 0;
    unsigned long cp = 0;
    if (c < 0x80) { ++i; continue; }
    if (c >= 0xC2 && c <= 0xDF) { extra = 1; cp = c & 0x1F; }
    else if (c >= 0xE0 && c <= 0xEF) { extra = 2; cp = c & 0x0F; }
    else if (c >= 0xF0 && c <= 0xF4) { extra = 3; cp = c & 0x07; }
    else return false;
    if (i + extra >= text.size()) return false;
    for (size_t k = 1; k <= extra; ++k) {
      const auto next = static_cast<unsigned char>(text[i + k]);
      if ((next & 0xC0) != 0x80) return false;
      cp = (cp << 6) | (next & 0x3F);
    }
    if ((extra == 2 && cp < 0x800) || (extra == 3 && cp < 0x10000) || cp > 0x10FFFF ||
        (cp >= 0xD800 && cp <= 0xDFFF))
      return false;
    i += extra + 1;
  }
  return true;
}

std::size_t Utf8Length(std::string_view text) {
  std::size_t n = 0;
  for (unsigned char c : text)
    if ((c & 0xC0) != 0x80) ++n;
  return n;
}

} // namespace orva
