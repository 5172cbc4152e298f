#include "station/allowances/active_allowance.h"

#include "station/limit_check.h"

namespace orva {
namespace {

constexpr char kHex[] = "0123456789ABCDEF";

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

} // namespace

std::string EncodeActiveName(std::string_view utf8) {
  std::string out;
  for (unsigned char c : utf8) {
    if (c < 0x21 || c > 0x7E || c == '%' || c == '"' || c == '\'') {
      out += '%';
      out += kHex[c >> 4];
      out += kHex[c & 0x0F];
    } else {
      out += static_cast<char>(c);
    }
  }
  return out;
}

std::string DecodeActiveName(std::string_view stored) {
  std::string out;
  for (size_t i = 0; i < stored.size(); ++i) {
    if (stored[i] == '%' && i + 2 < stored.size()) {
      const int hi = HexValue(stored[i + 1]);
      const int lo = HexValue(stored[i + 2]);
      if (hi >= 0 && lo >= 0) {
        out += static_cast<char>(hi * 16 + lo);
        i += 2;
        continue;
      }
    }
    out += stored[i];
  }
  return out;
}

bool StillInForce(const AllowanceEntry& entry, std::string_view high, std::string_view low, int limitUnitMode) {
  if (LimitUnitOf(limitUnitMode) != entry.unit || high != entry.high) return false;
  return low == entry.low || (low == "0" && CheckLimits(entry.high, entry.low).lowBecomesZero);
}

} // namespace orva
