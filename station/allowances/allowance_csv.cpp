#include "station/allowances/allowance_csv.h"

#include <optional>
#include <unordered_set>

namespace orva {
namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";
constexpr std::string_view kHeader = "name,unit,high,low,title";
constexpr std::string_view kColumns[] = {"name", "unit", "high", "low", "title"};

std::string_view Blankless(std::string_view text) {
  const size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::string Lower(std::string_view text) {
  std::string out(text);
  for (char& c : out)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return out;
}

// The fields of one line; nothing when a quoted field is not closed on it.
// Text after a closing quote belongs to the field, as spreadsheets read it.
std::optional<std::vector<std::string>> SplitFields(std::string_view line) {
  std::vector<std::string> fields(1);
  size_t i = 0;
  bool fieldStart = true;
  while (i < line.size()) {
    const char c = line[i];
    if (fieldStart && c == '"') {
      ++i;
      for (;;) {
        if (i >= line.size()) return std::nullopt;
        if (line[i] == '"') {
          if (i + 1 < line.size() && line[i + 1] == '"') {
            fields.back() += '"';
            i += 2;
            continue;
          }
          ++i;
          break;
        }
        fields.back() += line[i++];
      }
      fieldStart = false;
      continue;
    }
    if (c == ',') {
      fields.emplace_back();
      fieldStart = true;
    } else {
      fields.back() += c;
      fieldStart = false;
    }
    ++i;
  }
  return fields;
}

std::optional<LimitUnit> UnitFrom(std::string_view field) {
  const std::string unit = Lower(Blankless(field));
  if (unit == "n") return LimitUnit::N;
  if (unit == "hz") return LimitUnit::Hz;
  return std::nullopt;
}

bool IsHeader(const std::vector<std::string>& fields) {
  if (fields.size() < 4) return false;
  for (size_t i = 0; i < fields.size(); ++i) {
    const std::string field = Lower(Blankless(fields[i]));
    if (i < std::size(kColumns) ? field != kColumns[i] : !field.empty()) return false;
  }
  return true;
}

bool AllBlank(const std::vector<std::string>& fields) {
  for (const std::string& f : fields)
    if (!Blankless(f).empty()) return false;
  return true;
}

// The entry of one line, or why it is refused.
AllowanceFault EntryOf(const std::vector<std::string>& fields, AllowanceEntry& entry) {
  if (fields.size() < 4) return AllowanceFault::TooFewFields;
  for (size_t i = 5; i < fields.size(); ++i)
    if (!Blankless(fields[i]).empty()) return AllowanceFault::TooManyFields;
  const auto unit = UnitFrom(fields[1]);
  if (!unit) return AllowanceFault::UnitUnknown;
  entry = {TrimmedName(fields[0]), *unit, fields[2], fields[3], fields.size() > 4 ? fields[4] : std::string()};
  return CheckEntry(entry);
}

bool NeedsQuotes(std::string_view field) {
  return field.find_first_of(",\"") != std::string_view::npos ||
         (!field.empty() && (field.front() == ' ' || field.back() == ' ' || field.front() == '\t' ||
                             field.back() == '\t'));
}

void AppendField(std::string& out, std::string_view field) {
  if (!NeedsQuotes(field)) {
    out += field;
    return;
  }
  out += '"';
  for (char c : field) {
    if (c == '"') out += '"';
    out += c;
  }
  out += '"';
}

} // namespace

CsvReading ReadAllowanceCsv(std::string_view bytes) {
  CsvReading reading;
  if (bytes.size() >= 2 && ((bytes[0] == '\xFF' && bytes[1] == '\xFE') || (bytes[0] == '\xFE' && bytes[1] == '\xFF'))) {
    reading.refused.push_back({0, AllowanceFault::FileUtf16});
    return reading;
  }
  if (bytes.substr(0, kBom.size()) == kBom) bytes.remove_prefix(kBom.size());

  std::unordered_set<std::string> names;
  std::size_t lineNo = 0;
  size_t at = 0;
  while (at < bytes.size()) {
    const size_t end = bytes.find_first_of("\r\n", at);
    const std::string_view line = bytes.substr(at, end == std::string_view::npos ? std::string_view::npos : end - at);
    at = end == std::string_view::npos ? bytes.size()
                                       : end + (bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n' ? 2 : 1);
    ++lineNo;
    const auto refuse = [&](AllowanceFault fault) { reading.refused.push_back({lineNo, fault}); };
    if (!IsValidUtf8(line)) { refuse(AllowanceFault::NotUtf8); continue; }
    const auto fields = SplitFields(line);
    if (!fields) { refuse(AllowanceFault::QuoteNotClosed); continue; }
    if (AllBlank(*fields) || (lineNo == 1 && IsHeader(*fields))) continue;
    AllowanceEntry entry;
    if (const AllowanceFault fault = EntryOf(*fields, entry); fault != AllowanceFault::None) {
      refuse(fault);
      continue;
    }
    if (!names.insert(entry.name).second) { refuse(AllowanceFault::NameEarlierLine); continue; }
    reading.entries.push_back(std::move(entry));
  }
  return reading;
}

std::string WriteAllowanceCsv(const std::vector<AllowanceEntry>& entries) {
  std::string out(kBom);
  out += kHeader;
  out += "\r\n";
  for (const AllowanceEntry& e : entries) {
    AppendField(out, e.name);
    out += ',';
    out += LimitUnitText(e.unit);
    out += ',';
    AppendField(out, e.high);
    out += ',';
    AppendField(out, e.low);
    out += ',';
    AppendField(out, e.title);
    out += "\r\n";
  }
  return out;
}

std::string RefusalReport(std::string_view lang, const std::vector<CsvRefusal>& refused, std::size_t maxLines) {
  std::string out;
  const std::string lineText = PickText(lang, Text::ImportLineRefused);
  for (std::size_t i = 0; i < refused.size() && i < maxLines; ++i) {
    const CsvRefusal& r = refused[i];
    out += r.line == 0 ? FaultText(lang, r.fault) : FillIn(lineText, std::to_string(r.line), FaultText(lang, r.fault));
    out += "\r\n";
  }
  if (refused.size() > maxLines)
    out += FillIn(PickText(lang, Text::ImportMoreRefused), std::to_string(refused.size() - maxLines), "") + "\r\n";
  return out;
}

} // namespace orva
