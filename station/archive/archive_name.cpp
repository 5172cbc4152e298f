#include "station/archive/archive_name.h"

#include <charconv>
#include <cstdio>

namespace orva {
namespace {

constexpr std::string_view kExtension = ".csv";

bool IsLeap(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysIn(int year, int month) {
  static constexpr int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && IsLeap(year) ? 29 : days[month - 1];
}

// Exactly `width` digits at `at`.
std::optional<int> Digits(std::string_view text, size_t at, size_t width) {
  if (at + width > text.size()) return std::nullopt;
  int value = 0;
  for (size_t i = at; i < at + width; ++i) {
    if (text[i] < '0' || text[i] > '9') return std::nullopt;
    value = value * 10 + (text[i] - '0');
  }
  return value;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    char x = a[i], y = b[i];
    if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
    if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
    if (x != y) return false;
  }
  return true;
}

// " (N)" at the end of `stem`, N from 2: the copy number, and the stem without it.
int SplitCopy(std::string_view& stem) {
  if (stem.size() < 4 || stem.back() != ')') return 1;
  const size_t open = stem.rfind(" (");
  if (open == std::string_view::npos) return 1;
  const std::string_view number = stem.substr(open + 2, stem.size() - open - 3);
  if (number.empty() || number.size() > 6 || number[0] == '0') return 1;
  int copy = 0;
  const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), copy);
  if (error != std::errc() || end != number.data() + number.size() || copy < 2) return 1;
  stem = stem.substr(0, open);
  return copy;
}

} // namespace

std::string RunTimeText(const RunTime& t) {
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d-%02d-%02d", t.year, t.month, t.day, t.hour,
                t.minute, t.second);
  return text;
}

std::optional<RunTime> ParseRunTimeText(std::string_view text) {
  if (text.size() != 19 || text[4] != '-' || text[7] != '-' || text[10] != ' ' || text[13] != '-' ||
      text[16] != '-')
    return std::nullopt;
  const auto year = Digits(text, 0, 4), month = Digits(text, 5, 2), day = Digits(text, 8, 2),
             hour = Digits(text, 11, 2), minute = Digits(text, 14, 2), second = Digits(text, 17, 2);
  if (!year || !month || !day || !hour || !minute || !second) return std::nullopt;
  if (*month < 1 || *month > 12 || *day < 1 || *day > DaysIn(*year, *month) || *hour > 23 ||
      *minute > 59 || *second > 59)
    return std::nullopt;
  return RunTime{*year, *month, *day, *hour, *minute, *second};
}

std::string FileNameSafe(std::string_view computer) {
  std::string safe(computer);
  for (char& c : safe) {
    const unsigned char u = static_cast<unsigned char>(c);
    if (u < 0x20 || u == 0x7F || std::string_view("\\/:*?\"<>|").find(c) != std::string_view::npos)
      c = '_';
  }
  for (size_t i = safe.size(); i > 0 && (safe[i - 1] == '.' || safe[i - 1] == ' '); --i)
    safe[i - 1] = '_';
  return safe.empty() ? "_" : safe;
}

std::string ArchiveFileName(const RunTime& started, std::string_view computer, int copy) {
  std::string name = RunTimeText(started);
  name += ' ';
  name += FileNameSafe(computer);
  if (copy > 1) name += " (" + std::to_string(copy) + ")";
  name += kExtension;
  return name;
}

std::optional<ArchiveNameParts> ParseArchiveFileName(std::string_view fileName) {
  if (fileName.size() < 19 + 1 + 1 + kExtension.size()) return std::nullopt;
  if (!EqualsIgnoringCase(fileName.substr(fileName.size() - kExtension.size()), kExtension))
    return std::nullopt;
  const std::optional<RunTime> started = ParseRunTimeText(fileName.substr(0, 19));
  if (!started || fileName[19] != ' ') return std::nullopt;
  std::string_view stem = fileName.substr(20, fileName.size() - 20 - kExtension.size());
  const int copy = SplitCopy(stem);
  if (stem.empty()) return std::nullopt;
  return ArchiveNameParts{*started, std::string(stem), copy};
}

bool ListedBefore(const ArchiveNameParts& a, const ArchiveNameParts& b) {
  if (a.started != b.started) return a.started > b.started;
  if (a.computer != b.computer) return a.computer < b.computer;
  return a.copy > b.copy;
}

} // namespace orva
