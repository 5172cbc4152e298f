// The file name of an archived run. It sorts by the run's start time and
// names the computer, so stations sharing one archive folder never write the
// same name; a second run started in the same second on the same computer
// gets a copy number:
//   "2026-12-09 17-15-02 LINE3-PC.csv", "2026-12-09 17-15-02 LINE3-PC (2).csv"
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace orva {

// A local time to the second, as the system clock gives it.
struct RunTime {
  int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
  friend auto operator<=>(const RunTime&, const RunTime&) = default;
};

// "2026-12-09 17-15-02": sorts as the time does, and holds no character a
// file name may not.
std::string RunTimeText(const RunTime& time);
// Reads RunTimeText back; nothing for any other text or an impossible date.
std::optional<RunTime> ParseRunTimeText(std::string_view text);

// The computer's name as a file name may hold it: the characters Windows
// refuses in names (\ / : * ? " < > | and controls) become '_', as do
// trailing dots and spaces, which Windows would drop. Never empty.
std::string FileNameSafe(std::string_view computer);

// copy 1 gives no number.
std::string ArchiveFileName(const RunTime& started, std::string_view computer, int copy = 1);

struct ArchiveNameParts {
  RunTime started;
  std::string computer;
  int copy = 1;
};
// The parts of a name that ArchiveFileName gives (".csv" in any case);
// nothing for a name of another form.
std::optional<ArchiveNameParts> ParseArchiveFileName(std::string_view fileName);

// The list's order: newest start first; within one second, by computer,
// then the higher copy (the later run) first.
bool ListedBefore(const ArchiveNameParts& a, const ArchiveNameParts& b);

} // namespace orva
