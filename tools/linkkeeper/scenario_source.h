// Where the simulator takes its scenario from, in order: the file named by
// LINKKEEPER_SCENARIO, the file after "--scenario" on the command line,
// LinkKeeper.scn beside the program, else the built-in defaults.
// Portable: no windows.h; the caller supplies the environment value, the
// command line and the program folder.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace linkkeeper {

inline constexpr char kScenarioVariable[] = "LINKKEEPER_SCENARIO";
inline constexpr char kScenarioFileName[] = "LinkKeeper.scn";

// The value after "--scenario" (quoted or not) in a command line, if any.
std::optional<std::string> ScenarioArgument(std::string_view commandLine);

// Candidate scenario files, most important first. Empty sources are left
// out. The caller uses the first one it can read.
std::vector<std::string> ScenarioCandidates(std::string_view environmentValue,
                                            std::string_view commandLine,
                                            std::string_view programFolder);

} // namespace linkkeeper
