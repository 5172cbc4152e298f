// The stand-ins' rules: how the installer tools' command lines are taken
// apart, which control lines apply to which tool, and the log round trip the
// end-to-end tests read.
#include "tools/wdreg_standin/standin_rules.h"

#include <gtest/gtest.h>

namespace wdreg_standin {
namespace {

TEST(StandinCommandLine, KeepsTheArgumentsByteForByte) {
  struct Case {
    const char* line;
    const char* program;
    const char* arguments;
  } cases[] = {
      // ShellExecuteEx quotes the file; the parameters follow one blank.
      {"\"C:\\XTEMPINS\\wdreg_gui.exe\" -inf C:\\XTEMPINS\\windrvr6.inf -silent install",
       "C:\\XTEMPINS\\wdreg_gui.exe", "-inf C:\\XTEMPINS\\windrvr6.inf -silent install"},
      {"C:\\XTEMPINS\\wdreg16.exe -inf C:\\XTEMPINS\\ORVA.inf -silent install",
       "C:\\XTEMPINS\\wdreg16.exe", "-inf C:\\XTEMPINS\\ORVA.inf -silent install"},
      // A quoted name with a blank inside; inner and trailing blanks stay.
      {"\"C:\\Program Files\\ORVA\\EXE\\wdreg.exe\"   -inf  a.inf -silent uninstall ",
       "C:\\Program Files\\ORVA\\EXE\\wdreg.exe", "-inf  a.inf -silent uninstall "},
      {"wdreg.exe", "wdreg.exe", ""},
      {"\"wdreg.exe\"", "wdreg.exe", ""},
      {"\"unterminated -inf x", "unterminated -inf x", ""},
      {"", "", ""},
  };
  for (const auto& c : cases) {
    const CommandLine split = SplitCommandLine(c.line);
    EXPECT_EQ(split.program, c.program) << c.line;
    EXPECT_EQ(split.arguments, c.arguments) << c.line;
  }
}

TEST(StandinRequest, UnderstandsTheInstallersCallsAndRejectsTheRest) {
  struct Case {
    const char* arguments;
    bool understood;
    const char* inf;
    bool silent;
    const char* action;
  } cases[] = {
      {"-inf C:\\XTEMPINS\\windrvr6.inf -silent install", true, "C:\\XTEMPINS\\windrvr6.inf", true, "install"},
      {"-inf C:\\WINDOWS\\inf\\ORVA.inf -silent uninstall", true, "C:\\WINDOWS\\inf\\ORVA.inf", true, "uninstall"},
      {"-INF x.inf INSTALL", true, "x.inf", false, "install"},
      {"install -inf x.inf", true, "x.inf", false, "install"},
      {"-inf x.inf -silent", false, "", false, ""},         // no action
      {"-silent install", false, "", false, ""},            // no INF
      {"-inf", false, "", false, ""},                       // INF name missing
      {"-inf x.inf -silent install uninstall", false, "", false, ""},
      {"-inf C:\\Program Files\\x.inf -silent install", false, "", false, ""}, // unquoted blank breaks it
      {"", false, "", false, ""},
  };
  for (const auto& c : cases) {
    const auto r = ParseRequest(c.arguments);
    ASSERT_EQ(r.has_value(), c.understood) << c.arguments;
    if (!r) continue;
    EXPECT_EQ(r->inf, c.inf) << c.arguments;
    EXPECT_EQ(r->silent, c.silent) << c.arguments;
    EXPECT_EQ(r->action, c.action) << c.arguments;
  }
}

TEST(StandinControl, LinesApplyToAllToolsOrToTheNamedOne) {
  const std::string text =
      "# hold the first registration\r\n"
      "delay = 250\r\n"
      "hold = C:\\hold flag.txt   # a comment after the value\r\n"
      "WDREG16.EXE: exit = 7\r\n"
      "wdreg_gui.exe: delay = 60000\r\n"
      "colour = red\r\n"
      "exit = not a number\r\n";
  struct Case {
    const char* tool;
    int delayMs;
    const char* hold;
    std::optional<int> exitCode;
  } cases[] = {
      {"wdreg16.exe", 250, "C:\\hold flag.txt", 7},
      {"wdreg_gui.exe", 60000, "C:\\hold flag.txt", std::nullopt},
      {"wdreg.exe", 250, "C:\\hold flag.txt", std::nullopt},
  };
  for (const auto& c : cases) {
    const Control control = ParseControl(text, c.tool);
    EXPECT_EQ(control.delayMs, c.delayMs) << c.tool;
    EXPECT_EQ(control.holdPath, c.hold) << c.tool;
    EXPECT_EQ(control.exitCode, c.exitCode) << c.tool;
  }
  const Control none = ParseControl("", "wdreg.exe");
  EXPECT_EQ(none.delayMs, 0);
  EXPECT_TRUE(none.holdPath.empty());
  EXPECT_FALSE(none.exitCode.has_value());
  EXPECT_EQ(ParseControl("delay = -5\nexit = -1\n", "wdreg.exe").delayMs, 0);
  EXPECT_EQ(ParseControl("delay = -5\nexit = -1\n", "wdreg.exe").exitCode, -1);
}

TEST(StandinExitCode, DoneUnlessTheCallIsBadOrTheInfIsMissingForInstall) {
  const auto install = ParseRequest("-inf x.inf -silent install");
  const auto uninstall = ParseRequest("-inf x.inf -silent uninstall");
  EXPECT_EQ(ExitCodeFor(install, true), kExitDone);
  EXPECT_EQ(ExitCodeFor(install, false), kExitInfMissing);
  // Removing what was never installed is not an error.
  EXPECT_EQ(ExitCodeFor(uninstall, false), kExitDone);
  EXPECT_EQ(ExitCodeFor(std::nullopt, true), kExitUsage);
}

TEST(StandinLog, LinesReadBackInOrderWithBlanksKept) {
  const std::string text = LogLine("C:\\XTEMPINS\\wdreg_gui.exe", "-inf C:\\XTEMPINS\\windrvr6.inf -silent install") +
                           "\r\n" + LogLine("C:\\XTEMPINS\\wdreg_gui.exe", " -inf  x ") + "\r\n\r\n" +
                           LogLine("C:\\EXE\\wdreg.exe", "") + "\r\n";
  const auto calls = ParseLog(text);
  ASSERT_EQ(calls.size(), 3u);
  EXPECT_EQ(calls[0].tool, "C:\\XTEMPINS\\wdreg_gui.exe");
  EXPECT_EQ(calls[0].arguments, "-inf C:\\XTEMPINS\\windrvr6.inf -silent install");
  EXPECT_EQ(calls[1].arguments, " -inf  x ");
  EXPECT_EQ(calls[2].tool, "C:\\EXE\\wdreg.exe");
  EXPECT_EQ(calls[2].arguments, "");
}

TEST(StandinLog, FileNameOfPath) {
  EXPECT_EQ(FileNameOf("C:\\XTEMPINS\\wdreg16.exe"), "wdreg16.exe");
  EXPECT_EQ(FileNameOf("wdreg.exe"), "wdreg.exe");
  EXPECT_EQ(FileNameOf("C:\\dir\\"), "");
}

} // namespace
} // namespace wdreg_standin
