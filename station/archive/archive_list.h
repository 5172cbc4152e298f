// The Run Archive window's list, apart from the window: the archived runs
// and those still in the spool, newest first, each with a summary (print
// title, readings, GOOD rate) read from its file later. The window shows
// the rows at once from the names alone and fills the summaries in, the
// visible rows first, so a folder of 10,000 runs is usable at once.
#pragma once

#include "station/archive/archive_name.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orva {

struct ArchiveSummary {
  enum class Kind { Results, Empty, NotResults, Unreadable };
  Kind kind = Kind::Results;
  std::string printTitle; // UTF-8
  std::int64_t readings = 0;
  std::int64_t good = 0;
};

// The summary of a file's text (UTF-8).
ArchiveSummary SummaryOf(std::string_view fileText);

enum class ArchiveColumn { Started, Computer, PrintTitle, Readings, GoodRate, State, Count };

struct ArchiveEntry {
  std::string fileName;
  ArchiveNameParts parts;
  bool inSpool = false; // not yet in the archive folder
  std::optional<ArchiveSummary> summary; // nothing until its file is read
};

class ArchiveList {
public:
  // The runs among the names of the archive folder and of the spool (other
  // files are passed over); a run in both is the archived one.
  void Fill(const std::vector<std::string>& archived, const std::vector<std::string>& spooled);

  std::size_t Size() const { return entries_.size(); }
  const ArchiveEntry& At(std::size_t index) const { return entries_[index]; }

  // The next entry whose file is still to be read: among the visible rows
  // first, then in list order. Nothing when all are read.
  std::optional<std::size_t> NextToRead(std::size_t firstVisible, std::size_t visibleCount);
  void SetSummary(std::size_t index, ArchiveSummary summary);
  std::size_t SummariesRead() const { return read_; }

  // A cell as the list shows it, in the station's language (UTF-8).
  std::string CellText(std::size_t index, ArchiveColumn column, std::string_view curLanguage) const;

private:
  std::vector<ArchiveEntry> entries_;
  std::size_t nextUnread_ = 0; // no entry before it is unread
  std::size_t read_ = 0;
};

} // namespace orva
