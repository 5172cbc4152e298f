// The list of named allowances, in the operator's order. Names are unique:
// the active allowance is remembered by its name.
#pragma once

#include "station/allowances/allowance_entry.h"

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

namespace orva {

struct MergeCounts {
  std::size_t added = 0;
  std::size_t replaced = 0;
};

class AllowanceList {
public:
  AllowanceList() = default;
  // The entries as read from a list file: already checked and unique.
  explicit AllowanceList(std::vector<AllowanceEntry> entries) : entries_(std::move(entries)) {}

  const std::vector<AllowanceEntry>& Entries() const { return entries_; }
  std::size_t Size() const { return entries_.size(); }
  const AllowanceEntry& At(std::size_t index) const { return entries_.at(index); }
  std::optional<std::size_t> Find(std::string_view name) const;

  // New and Edit: the entry's name trimmed, checked (CheckEntry) and unique;
  // on a fault the list stays as it was.
  AllowanceFault Add(AllowanceEntry entry);
  AllowanceFault Replace(std::size_t index, AllowanceEntry entry);
  void Remove(std::size_t index); // an index outside the list changes nothing
  // The entry's index afterwards (unchanged at either end of the list).
  std::size_t MoveUp(std::size_t index);
  std::size_t MoveDown(std::size_t index);

  // An import: an entry of a name in the list replaces it where it stands,
  // the others go to the end in their order. The entries are checked and
  // unique among themselves (as ReadAllowanceCsv gives them).
  MergeCounts Merge(const std::vector<AllowanceEntry>& entries);

private:
  std::vector<AllowanceEntry> entries_;
};

} // namespace orva
