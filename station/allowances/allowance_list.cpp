#include "station/allowances/allowance_list.h"

#include <string>
#include <unordered_map>
#include <utility>

namespace orva {

std::optional<std::size_t> AllowanceList::Find(std::string_view name) const {
  for (std::size_t i = 0; i < entries_.size(); ++i)
    if (entries_[i].name == name) return i;
  return std::nullopt;
}

AllowanceFault AllowanceList::Add(AllowanceEntry entry) {
  entry.name = TrimmedName(entry.name);
  if (const AllowanceFault fault = CheckEntry(entry); fault != AllowanceFault::None) return fault;
  if (Find(entry.name)) return AllowanceFault::NameTaken;
  entries_.push_back(std::move(entry));
  return AllowanceFault::None;
}

AllowanceFault AllowanceList::Replace(std::size_t index, AllowanceEntry entry) {
  if (index >= entries_.size()) return AllowanceFault::None;
  entry.name = TrimmedName(entry.name);
  if (const AllowanceFault fault = CheckEntry(entry); fault != AllowanceFault::None) return fault;
  if (const auto other = Find(entry.name); other && *other != index) return AllowanceFault::NameTaken;
  entries_[index] = std::move(entry);
  return AllowanceFault::None;
}

void AllowanceList::Remove(std::size_t index) {
  if (index < entries_.size()) entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(index));
}

std::size_t AllowanceList::MoveUp(std::size_t index) {
  if (index == 0 || index >= entries_.size()) return index;
  std::swap(entries_[index], entries_[index - 1]);
  return index - 1;
}

std::size_t AllowanceList::MoveDown(std::size_t index) {
  if (index + 1 >= entries_.size()) return index;
  std::swap(entries_[index], entries_[index + 1]);
  return index + 1;
}

// By a map of the names, so an import of ten thousand lines into a long
// list stays quick.
MergeCounts AllowanceList::Merge(const std::vector<AllowanceEntry>& entries) {
  std::unordered_map<std::string, std::size_t> where;
  for (std::size_t i = 0; i < entries_.size(); ++i) where.emplace(entries_[i].name, i);
  MergeCounts counts;
  for (const AllowanceEntry& entry : entries) {
    const auto found = where.find(entry.name);
    if (found != where.end()) {
      entries_[found->second] = entry;
      ++counts.replaced;
    } else {
      where.emplace(entry.name, entries_.size());
      entries_.push_back(entry);
      ++counts.added;
    }
  }
  return counts;
}

} // namespace orva
