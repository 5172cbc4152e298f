// The desktop-driving helpers against a real window of another process:
// what a person can see and press, message boxes, waiting for the end.
#include "tools/testsupport/desktop.h"

#include <windows.h>

#include <algorithm>

#include <gtest/gtest.h>

namespace orva::testsupport {
namespace {

constexpr wchar_t kCaption[] = L"Desktop driver fixture";
constexpr DWORD kWait = 20000;

std::string FixturePath() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string p = path;
  return p.substr(0, p.find_last_of('\\') + 1) + "desktop_fixture.exe";
}

bool Contains(const std::vector<std::wstring>& texts, const std::wstring& text) {
  return std::find(texts.begin(), texts.end(), text) != texts.end();
}

class DesktopTest : public testing::Test {
protected:
  void SetUp() override {
    program_ = StartedProgram::Open(FixturePath());
    ASSERT_TRUE(program_);
    window_ = WaitForTopLevelWindow(kCaption, kWait, program_.ProcessId());
    ASSERT_NE(window_, nullptr);
  }
  std::wstring Label() const { return RemoteWindowText(FindControlById(window_, kLabelId)); }

  static constexpr int kLabelId = 100; // the fixture's status label
  StartedProgram program_;
  HWND window_ = nullptr;
};

TEST_F(DesktopTest, FindsTheWindowOnlyByItsWholeCaptionAndProcess) {
  EXPECT_EQ(FindTopLevelWindow(kCaption), window_);
  EXPECT_EQ(FindTopLevelWindow(L"Desktop driver"), nullptr);
  EXPECT_EQ(FindTopLevelWindow(kCaption, program_.ProcessId() + 4), nullptr);
  EXPECT_EQ(WaitForTopLevelWindow(L"No such window", 200), nullptr);
}

TEST_F(DesktopTest, OnlyShownEnabledButtonsCanBePressed) {
  struct Case {
    const wchar_t* caption;
    bool usable;
  } cases[] = {{L"Ask", true}, {L"Quit", true}, {L"Japanese", true},
               {L"Hidden", false}, {L"Disabled", false}, {L"Nothing", false}};
  for (const auto& c : cases) {
    EXPECT_EQ(ButtonUsable(window_, c.caption), c.usable) << c.caption;
    if (!c.usable) {
      EXPECT_FALSE(PressButton(window_, c.caption)) << c.caption;
    }
  }
  // An option button is pressed like any button.
  ASSERT_TRUE(PressButton(window_, L"Japanese"));
  EXPECT_EQ(WaitForText([&] { return Label(); }, L"日本語", kWait), L"日本語");
}

TEST_F(DesktopTest, ReadsShownLabelsIncludingNestedOnes) {
  const auto labels = ShownLabelTexts(window_);
  EXPECT_TRUE(Contains(labels, L"Ready"));
  EXPECT_TRUE(Contains(labels, L"Inside"));
  EXPECT_FALSE(Contains(labels, L"invisible text"));
  EXPECT_EQ(RemoteWindowText(FindControlByCaption(window_, L"Inside", L"Static")), L"Inside");
}

TEST_F(DesktopTest, ReadsAndDismissesAMessageBox) {
  ASSERT_TRUE(PressButton(window_, L"Ask"));
  const MessageBoxSeen box = WaitForMessageBox(program_.ProcessId(), kWait);
  ASSERT_TRUE(box);
  EXPECT_EQ(box.title, L"Fixture");
  EXPECT_EQ(box.text, L"Proceed with the fixture?");
  EXPECT_EQ(box.buttons, std::vector<std::wstring>{L"OK"});
  EXPECT_FALSE(box.hasIcon);
  // The main window is not a message box, even though it has labels.
  EXPECT_NE(box.window, window_);
  EXPECT_TRUE(DismissMessageBox(box));
  EXPECT_EQ(WaitForText([&] { return Label(); }, L"Asked", kWait), L"Asked");
}

TEST_F(DesktopTest, SeesTheIconAndEveryButtonOfAWarning) {
  ASSERT_TRUE(PressButton(window_, L"Warn"));
  const MessageBoxSeen box = WaitForMessageBox(program_.ProcessId(), kWait);
  ASSERT_TRUE(box);
  EXPECT_TRUE(box.hasIcon);
  EXPECT_EQ(box.buttons, (std::vector<std::wstring>{L"OK", L"Cancel"}));
  EXPECT_TRUE(PressMessageBoxButton(box.window, L"Cancel"));
}

TEST_F(DesktopTest, WaitsForTheProgramToEndAndReadsItsExitCode) {
  EXPECT_FALSE(ProcessesNamed(L"desktop_fixture.exe").empty());
  EXPECT_TRUE(program_.Running());
  ASSERT_TRUE(PressButton(window_, L"Quit"));
  DWORD code = 0;
  ASSERT_TRUE(program_.WaitForEnd(kWait, &code));
  EXPECT_EQ(code, 3u);
  EXPECT_TRUE(WaitForNoProcessNamed(L"desktop_fixture.exe", kWait));
}

TEST(DesktopCaption, MnemonicsAreDropped) {
  EXPECT_EQ(PlainCaption(L"&Next"), L"Next");
  EXPECT_EQ(PlainCaption(L"Save && &quit"), L"Save & quit");
  EXPECT_EQ(PlainCaption(L"キャンセル(&C)"), L"キャンセル(C)");
  EXPECT_EQ(PlainCaption(L""), L"");
}

} // namespace
} // namespace orva::testsupport
