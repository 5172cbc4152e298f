// Test support for the recording hosts of native tests (portable, header
// only): what a host was asked to do, one line per call ("status ...",
// "box ...", "copy ..."), read back by the kind of call.
#pragma once

#include <string>
#include <vector>

namespace orva::testsupport {

// The calls whose line starts with `prefix`, in order, the prefix taken off.
inline std::vector<std::string> CallsStartingWith(const std::vector<std::string>& log, const std::string& prefix) {
  std::vector<std::string> out;
  for (const auto& line : log)
    if (line.rfind(prefix, 0) == 0) out.push_back(line.substr(prefix.size()));
  return out;
}

} // namespace orva::testsupport
