// Where the scenario comes from: environment, then --scenario, then the
// file beside the program.
#include "tools/linkkeeper/scenario_source.h"

#include <gtest/gtest.h>

namespace linkkeeper {
namespace {

TEST(ScenarioSource, ArgumentForms) {
  struct Case {
    const char* line;
    const char* expected; // nullptr: none
  } cases[] = {
      {"", nullptr},
      {"--scenario", nullptr},
      {"--scenario C:\\t\\a.scn", "C:\\t\\a.scn"},
      {"  --scenario   \"C:\\with blank\\a.scn\" --other", "C:\\with blank\\a.scn"},
      {"--scenario=C:\\b.scn", "C:\\b.scn"},
      {"--scenarios x", nullptr},
  };
  for (const auto& c : cases) {
    const auto arg = ScenarioArgument(c.line);
    if (c.expected == nullptr) {
      EXPECT_FALSE(arg.has_value()) << c.line;
    } else {
      ASSERT_TRUE(arg.has_value()) << c.line;
      EXPECT_EQ(*arg, c.expected) << c.line;
    }
  }
}

TEST(ScenarioSource, CandidatesInOrder) {
  using V = std::vector<std::string>;
  EXPECT_EQ(ScenarioCandidates("E.scn", "--scenario A.scn", "C:\\EXE"),
            (V{"E.scn", "A.scn", "C:\\EXE\\LinkKeeper.scn"}));
  EXPECT_EQ(ScenarioCandidates("", "", "C:\\EXE\\"), (V{"C:\\EXE\\LinkKeeper.scn"}));
  EXPECT_EQ(ScenarioCandidates("", "--scenario A.scn", ""), (V{"A.scn", "LinkKeeper.scn"}));
}

} // namespace
} // namespace linkkeeper
