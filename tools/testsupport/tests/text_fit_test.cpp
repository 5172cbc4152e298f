// The text-fit measure itself: it must report what a person would see cut,
// and nothing that shows whole.
#include "tools/testsupport/text_fit.h"

#include "winkit/font_cache.h"
#include "winkit/window_dpi.h"

#include <gtest/gtest.h>

namespace orva::testsupport {
namespace {

class Bench : public ::testing::Test {
protected:
  void SetUp() override {
    window_ = CreateWindowExW(0, L"STATIC", L"bench", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 600, 400, nullptr,
                              nullptr, nullptr, nullptr);
    ASSERT_TRUE(window_);
  }
  void TearDown() override { DestroyWindow(window_); }

  HWND Add(const wchar_t* cls, DWORD style, const wchar_t* text, int width, int height) {
    const int row = count_++;
    const HWND control = CreateWindowExW(0, cls, text, WS_CHILD | WS_VISIBLE | style, 10, 10 + 40 * row, width, height,
                                         window_, reinterpret_cast<HMENU>(INT_PTR{100} + row), nullptr, nullptr);
    SendMessageW(control, WM_SETFONT,
                 reinterpret_cast<WPARAM>(winkit::CachedFont({L"Arial", 9}, winkit::WindowDpi(window_))), FALSE);
    return control;
  }
  std::vector<std::string> Cut() const { return CutTexts(window_); }

  HWND window_ = nullptr;
  int count_ = 0;
};

TEST_F(Bench, ControlsWideAndHighEnoughPass) {
  Add(L"BUTTON", BS_PUSHBUTTON, L"START", 200, 40);
  Add(L"BUTTON", BS_AUTORADIOBUTTON, L"Hz", 200, 30);
  Add(L"BUTTON", BS_GROUPBOX, L"Limits", 300, 60);
  Add(L"STATIC", 0, L"A label that wraps onto a second line here", 160, 60);
  Add(L"EDIT", ES_AUTOHSCROLL, L"12.00", 100, 30);
  EXPECT_EQ(MeasuredControls(window_), 5);
  EXPECT_TRUE(Cut().empty());
}

TEST_F(Bench, EachKindOfCutIsReported) {
  Add(L"BUTTON", BS_PUSHBUTTON, L"Statistics of the run", 40, 40); // too narrow
  Add(L"BUTTON", BS_AUTORADIOBUTTON, L"Hz", 18, 30);               // the circle leaves no room
  Add(L"BUTTON", BS_GROUPBOX, L"A caption longer than its box", 60, 60);
  Add(L"STATIC", 0, L"A label that needs three lines at this width", 90, 20); // wraps below its height
  Add(L"STATIC", 0, L"Unbreakablewordwiderthanthelabel", 60, 60);
  Add(L"EDIT", ES_AUTOHSCROLL, L"12.00", 100, 6); // a line of the font does not fit
  Add(L"BUTTON", BS_PUSHBUTTON, L"OK", 60, 5);    // too low
  const std::vector<std::string> cut = Cut();
  EXPECT_EQ(cut.size(), 7u);
  for (const std::string& line : cut) EXPECT_NE(line.find("needs"), std::string::npos) << line;
}

TEST_F(Bench, HiddenControlsAndThoseInHiddenParentsAreNotMeasured) {
  const HWND hidden = Add(L"BUTTON", BS_PUSHBUTTON, L"Statistics of the run", 40, 40);
  ShowWindow(hidden, SW_HIDE);
  EXPECT_TRUE(Cut().empty());
  EXPECT_EQ(MeasuredControls(window_), 0);
}

TEST_F(Bench, ControlsOverOneAnotherOrOutsideTheWindowAreReported) {
  // Add stacks controls 40 pixels apart: a group box of 120 holds the next two.
  const HWND group = Add(L"BUTTON", BS_GROUPBOX, L"Limits", 300, 120);
  const HWND inside = Add(L"BUTTON", BS_AUTORADIOBUTTON, L"N", 100, 30);
  Add(L"BUTTON", BS_AUTORADIOBUTTON, L"Hz", 100, 30);
  EXPECT_TRUE(CoveredControls(window_).empty()) << "a group box and what lies inside it";
  SetWindowPos(inside, nullptr, 250, 50, 100, 30, SWP_NOZORDER); // half out of its group box
  const std::vector<std::string> over = CoveredControls(window_);
  ASSERT_EQ(over.size(), 1u);
  EXPECT_EQ(over[0], "Button " + std::to_string(GetDlgCtrlID(group)) + " over Button " +
                         std::to_string(GetDlgCtrlID(inside)));

  SetWindowPos(inside, nullptr, 2000, 50, 100, 30, SWP_NOZORDER); // beyond the window's right edge
  const std::vector<std::string> outside = CoveredControls(window_);
  ASSERT_EQ(outside.size(), 1u);
  EXPECT_EQ(outside[0], "Button " + std::to_string(GetDlgCtrlID(inside)) + " outside");
  EXPECT_TRUE(CoveredControls(window_, false).empty());
}

} // namespace
} // namespace orva::testsupport
