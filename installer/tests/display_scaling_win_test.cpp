// The three installation tools' windows at the pixels per inch the test runs
// at, in both languages: no control's text is cut in its own font. ctest
// runs this program at 96, 144 and 192 dpi (scripts/at-dpi.sh).
#include "installer/common/win/tool_window.h"
#include "installer/install/win/install_window.h"
#include "installer/setup/win/setup_window.h"
#include "installer/uninstall/win/uninstall_window.h"
#include "tools/testsupport/text_fit.h"
#include "winkit/control_helpers.h"
#include "winkit/window_dpi.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace orva::installer {
namespace {

// Shows the tool in English, then in Japanese (a click on the option, as the
// user makes it), and measures it each time.
void ExpectWholeTexts(ToolWindow& tool, const char* name) {
  ShowWindow(tool.Handle(), SW_SHOWNOACTIVATE);
  if (const char* wanted = std::getenv("ORVA_EXPECT_DPI")) {
    EXPECT_EQ(winkit::WindowDpi(tool.Handle()).y, std::atoi(wanted)) << name;
  }
  for (const int option : {kOptEnglish, kOptJapanese}) {
    SendMessageW(tool.Control(option), BM_CLICK, 0, 0);
    EXPECT_GT(testsupport::MeasuredControls(tool.Handle()), 3) << name;
    const std::vector<std::string> cut = testsupport::CutTexts(tool.Handle());
    EXPECT_TRUE(cut.empty()) << name << (option == kOptJapanese ? " in Japanese" : " in English") << " at "
                             << winkit::WindowDpi(tool.Handle()).y << " dpi:" << testsupport::Listed(cut);
  }
  // Moved to a monitor of other scaling: placed and lettered for it.
  const int from = winkit::WindowDpi(tool.Handle()).y, to = from == 96 ? 144 : 96;
  RECT outer{};
  GetWindowRect(tool.Handle(), &outer);
  RECT suggested{outer.left, outer.top, outer.left + MulDiv(outer.right - outer.left, to, from),
                 outer.top + MulDiv(outer.bottom - outer.top, to, from)};
  SendMessageW(tool.Handle(), WM_DPICHANGED, MAKEWPARAM(to, to), reinterpret_cast<LPARAM>(&suggested));
  const RECT next = winkit::RectInParent(tool.Control(kCmdNext));
  EXPECT_EQ(next.right - next.left, winkit::TwipsToPixels(1360, to)) << name << ": the tools' button width";
  const std::vector<std::string> cut = testsupport::CutTexts(tool.Handle());
  EXPECT_TRUE(cut.empty()) << name << " after the move to " << to << " dpi:" << testsupport::Listed(cut);
  DestroyWindow(tool.Handle());
}

TEST(InstallerDisplayScaling, SetupShowsItsWholeTexts) {
  SetupWindow setup;
  ASSERT_TRUE(setup.Create());
  ExpectWholeTexts(setup, "SETUP");
}

TEST(InstallerDisplayScaling, InstallShowsItsWholeTexts) {
  InstallWindow install;
  ASSERT_TRUE(install.Create());
  ExpectWholeTexts(install, "INSTALL");
}

TEST(InstallerDisplayScaling, UninstallShowsItsWholeTexts) {
  uninstall::UninstallWindow uninstall;
  ASSERT_TRUE(uninstall.Create());
  ExpectWholeTexts(uninstall, "UNINSTALL");
}

} // namespace
} // namespace orva::installer
