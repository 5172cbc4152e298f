// Scenario file candidates from the environment, command line and program folder.
#include "tools/linkkeeper/scenario_source.h"

namespace linkkeeper {

namespace {

// Splits a command line into words the way the C runtime does for the
// common cases: blanks separate, double quotes group (no escapes needed for
// paths).
std::vector<std::string> Words(std::string_view line) {
  std::vector<std::string> words;
  std::string word;
  bool inQuotes = false;
  bool haveWord = false;
  for (char c : line) {
    if (c == '"') {
      inQuotes = !inQuotes;
      haveWord = true;
    } else if ((c == ' ' || c == '\t') && !inQuotes) {
      if (haveWord) words.push_back(word);
      word.clear();
      haveWord = false;
    } else {
      word += c;
      haveWord = true;
    }
  }
  if (haveWord) words.push_back(word);
  return words;
}

} // namespace

std::optional<std::string> ScenarioArgument(std::string_view commandLine) {
  const auto words = Words(commandLine);
  for (std::size_t i = 0; i + 1 < words.size(); ++i) {
    if (words[i] == "--scenario") return words[i + 1];
  }
  for (const auto& w : words) {
    if (w.rfind("--scenario=", 0) == 0) return w.substr(11);
  }
  return std::nullopt;
}

std::vector<std::string> ScenarioCandidates(std::string_view environmentValue,
                                            std::string_view commandLine,
                                            std::string_view programFolder) {
  std::vector<std::string> out;
  if (!environmentValue.empty()) out.emplace_back(environmentValue);
  if (auto arg = ScenarioArgument(commandLine); arg && !arg->empty()) out.push_back(*arg);
  std::string beside(programFolder);
  if (!beside.empty() && beside.back() != '\\' && beside.back() != '/') beside += '\\';
  out.push_back(beside + kScenarioFileName);
  return out;
}

} // namespace linkkeeper
