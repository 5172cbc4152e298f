#include "station/archive/archive_list.h"

#include "station/archive/archived_run.h"
#include "station/settings/text_table.h"
#include "station/stats/figure_format.h"

#include <algorithm>
#include <set>

namespace orva {

ArchiveSummary SummaryOf(std::string_view fileText) {
  ArchiveSummary summary;
  if (fileText.empty()) {
    summary.kind = ArchiveSummary::Kind::Empty;
    return summary;
  }
  const std::optional<ArchivedRun> run = ReadResultsFile(fileText);
  if (!run) {
    summary.kind = ArchiveSummary::Kind::NotResults;
    return summary;
  }
  summary.printTitle = run->printTitle;
  summary.readings = static_cast<std::int64_t>(run->readings.size());
  summary.good = std::count_if(run->readings.begin(), run->readings.end(),
                               [](const ArchivedReading& r) { return r.judgement == Judgement::Good; });
  return summary;
}

void ArchiveList::Fill(const std::vector<std::string>& archived, const std::vector<std::string>& spooled) {
  entries_.clear();
  nextUnread_ = read_ = 0;
  std::set<std::string> seen;
  const auto add = [&](const std::vector<std::string>& names, bool inSpool) {
    for (const std::string& name : names) {
      std::optional<ArchiveNameParts> parts = ParseArchiveFileName(name);
      if (!parts || !seen.insert(name).second) continue;
      entries_.push_back({name, std::move(*parts), inSpool, std::nullopt});
    }
  };
  add(archived, false);
  add(spooled, true);
  std::sort(entries_.begin(), entries_.end(),
            [](const ArchiveEntry& a, const ArchiveEntry& b) { return ListedBefore(a.parts, b.parts); });
}

std::optional<std::size_t> ArchiveList::NextToRead(std::size_t firstVisible, std::size_t visibleCount) {
  const std::size_t end = std::min(entries_.size(), firstVisible + visibleCount);
  for (std::size_t i = firstVisible; i < end; ++i)
    if (!entries_[i].summary) return i;
  while (nextUnread_ < entries_.size() && entries_[nextUnread_].summary) ++nextUnread_;
  if (nextUnread_ == entries_.size()) return std::nullopt;
  return nextUnread_;
}

void ArchiveList::SetSummary(std::size_t index, ArchiveSummary summary) {
  if (index >= entries_.size()) return;
  if (!entries_[index].summary) ++read_;
  entries_[index].summary = std::move(summary);
}

std::string ArchiveList::CellText(std::size_t index, ArchiveColumn column, std::string_view lang) const {
  const ArchiveEntry& e = entries_[index];
  const std::optional<ArchiveSummary>& s = e.summary;
  const bool results = s && s->kind == ArchiveSummary::Kind::Results;
  switch (column) {
  case ArchiveColumn::Started: {
    std::string text = RunTimeText(e.parts.started);
    text[13] = text[16] = ':'; // the name's "17-15-02" shown as a time
    return text;
  }
  case ArchiveColumn::Computer: return e.parts.computer;
  case ArchiveColumn::PrintTitle: return results ? s->printTitle : std::string();
  case ArchiveColumn::Readings: return results ? std::to_string(s->readings) : std::string();
  case ArchiveColumn::GoodRate:
    if (!results) return {};
    if (s->readings == 0) return kUndefinedFigure;
    return FormatFixed(100.0 * static_cast<double>(s->good) / static_cast<double>(s->readings), 1) + " %";
  case ArchiveColumn::State:
    if (!s) return PickText(lang, Text::ArchiveReading);
    switch (s->kind) {
    case ArchiveSummary::Kind::Empty: return PickText(lang, Text::ArchiveEmptyFile);
    case ArchiveSummary::Kind::NotResults: return PickText(lang, Text::ArchiveNotResults);
    case ArchiveSummary::Kind::Unreadable: return PickText(lang, Text::ArchiveUnreadable);
    case ArchiveSummary::Kind::Results: break;
    }
    return e.inSpool ? PickText(lang, Text::ArchiveNotYetArchived) : std::string();
  case ArchiveColumn::Count: break;
  }
  return {};
}

} // namespace orva
