// ApplyMainCaptions on a real window with the main window's controls and
// menu bar, read back through the platform.
#include "station/settings/win/fonts_win.h"
#include "station/settings/win/main_captions_win.h"
#include "winkit/held_font.h"
#include "winkit/text.h"

#include "winkit/window_dpi.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <array>
#include <string>

namespace orva {
namespace {

// A top-level window that keeps the font the form is given, as a custom
// control keeps its own; one test window at a time.
winkit::HeldFont g_formFont;

LRESULT CALLBACK TestWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (LRESULT result = 0; g_formFont.OnMessage(window, message, wParam, lParam, result)) return result;
  return DefWindowProcW(window, message, wParam, lParam);
}

// Labels, frames and buttons all take WM_SETFONT and their caption the same
// way; the text boxes are edit controls as in the program.
const wchar_t* ClassOf(MainControl c) {
  const char* name = kMainControlNames[static_cast<int>(c)];
  return name[0] == 't' && name[1] == 'x' && name[2] == 't' ? L"EDIT" : L"BUTTON";
}

HMENU BuildMenuBar() {
  HMENU bar = CreateMenu();
  const auto addPopup = [bar](MainMenu heading, std::initializer_list<MainMenu> items) {
    HMENU popup = CreatePopupMenu();
    for (MainMenu item : items) AppendMenuW(popup, MF_STRING, MenuCommandId(item), L"?");
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_ID | MIIM_SUBMENU | MIIM_STRING;
    info.wID = MenuCommandId(heading);
    info.hSubMenu = popup;
    info.dwTypeData = const_cast<wchar_t*>(L"?");
    InsertMenuItemW(bar, GetMenuItemCount(bar), TRUE, &info);
  };
  addPopup(MainMenu::menu_file, {MainMenu::fsave, MainMenu::fprint, MainMenu::RunArchive, MainMenu::exit});
  addPopup(MainMenu::menu_tool, {MainMenu::USBdiagnose, MainMenu::Setting, MainMenu::Statistics, MainMenu::Allowances});
  addPopup(MainMenu::menu_help, {MainMenu::fhelp, MainMenu::version});
  return bar;
}

class StationSettingsCaptions : public ::testing::Test {
protected:
  static void SetUpTestSuite() {
    WNDCLASSW wc{};
    wc.lpfnWndProc = TestWindowProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"OrvaCaptionTest";
    RegisterClassW(&wc);
  }

  void SetUp() override {
    g_formFont = {};
    window_ = CreateWindowExW(0, L"OrvaCaptionTest", L"", WS_OVERLAPPEDWINDOW, 0, 0, 640, 480, nullptr,
                              BuildMenuBar(), GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(window_, nullptr);
    for (int i = 0; i < kMainControlCount; ++i) {
      const auto c = static_cast<MainControl>(i);
      controls_[i] = CreateWindowExW(0, ClassOf(c), L"design", WS_CHILD | WS_VISIBLE, 0, 0, 80, 20, window_,
                                     reinterpret_cast<HMENU>(static_cast<INT_PTR>(ControlId(c))),
                                     GetModuleHandleW(nullptr), nullptr);
      ASSERT_NE(controls_[i], nullptr) << kMainControlNames[i];
    }
  }
  void TearDown() override {
    if (window_) DestroyWindow(window_);
  }

  void Apply(const char* language) {
    ApplyMainCaptions(window_, [this](MainControl c) { return controls_[static_cast<int>(c)]; }, language);
  }
  HWND Control(MainControl c) const { return controls_[static_cast<int>(c)]; }

  static std::string TextOf(HWND w) {
    wchar_t buffer[256] = {};
    GetWindowTextW(w, buffer, 256);
    return winkit::Utf8FromWide(buffer);
  }
  std::string MenuText(UINT idOrPosition, UINT flags, HMENU menu = nullptr) const {
    wchar_t buffer[128] = {};
    GetMenuStringW(menu ? menu : GetMenu(window_), idOrPosition, buffer, 128, flags);
    return winkit::Utf8FromWide(buffer);
  }
  static LOGFONTW FontOf(HWND w) {
    LOGFONTW lf{};
    const auto font = reinterpret_cast<HFONT>(SendMessageW(w, WM_GETFONT, 0, 0));
    if (font) GetObjectW(font, sizeof lf, &lf);
    return lf;
  }
  static int PixelHeight(int points) {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return -MulDiv(points, dpi, 72);
  }

  HWND window_ = nullptr;
  std::array<HWND, kMainControlCount> controls_{};
};

TEST_F(StationSettingsCaptions, EnglishTextsOnControlsAndWindow) {
  Apply("english");
  const struct {
    MainControl control;
    const char* text;
  } cases[] = {
      {MainControl::frmLimit, "Allowance"},        {MainControl::lblHighTitle, "High Limit "},
      {MainControl::lblLowTitle, "Low  Limit "},   {MainControl::lblForce, "Force"},
      {MainControl::lblHz, "Frequency"},           {MainControl::lblPrintTitle, "Print Title"},
      {MainControl::LblTitle, "TENSOWAVE"},        {MainControl::cmdStart, "START"},
      {MainControl::cmdEnd, "STOP"},               {MainControl::cmdSave, "Save"},
      {MainControl::cmdPrint, "Print"},            {MainControl::CmdExit, "Exit"},
      {MainControl::cmdDispChange0, "MEASURE screen"}, {MainControl::cmdDispChange1, "ALARM screen"},
      {MainControl::CmdErrorReset, "RESET"},
      // font only: their design texts stay
      {MainControl::lblDiag, "design"},            {MainControl::txtPrintTitle, "design"},
      {MainControl::lblHigh, "design"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(TextOf(Control(c.control)), c.text) << kMainControlNames[static_cast<int>(c.control)];
  EXPECT_EQ(TextOf(window_), "Sound Wave Style Tension Meter");
}

TEST_F(StationSettingsCaptions, EnglishMenuCaptions) {
  Apply("english");
  EXPECT_EQ(MenuText(0, MF_BYPOSITION), "File");
  EXPECT_EQ(MenuText(1, MF_BYPOSITION), "Tool");
  EXPECT_EQ(MenuText(2, MF_BYPOSITION), "Help");
  const struct {
    MainMenu item;
    const char* text;
  } items[] = {{MainMenu::fsave, "Save\tCtrl+S"},      {MainMenu::fprint, "Print\tCtrl+P"}, {MainMenu::exit, "Exit"},
               {MainMenu::USBdiagnose, "Diagnose"}, {MainMenu::Setting, "Setting"},
               {MainMenu::fhelp, "Help\tF1"},      {MainMenu::version, "Version"}};
  for (const auto& c : items) EXPECT_EQ(MenuText(MenuCommandId(c.item), MF_BYCOMMAND), c.text) << c.text;
  // The headings keep their identifiers and their popups.
  for (int i = 0; i < 3; ++i) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_ID | MIIM_SUBMENU;
    ASSERT_TRUE(GetMenuItemInfoW(GetMenu(window_), i, TRUE, &info));
    EXPECT_NE(info.hSubMenu, nullptr);
    EXPECT_EQ(info.wID, MenuCommandId(i == 0 ? MainMenu::menu_file : i == 1 ? MainMenu::menu_tool : MainMenu::menu_help));
  }
}

TEST_F(StationSettingsCaptions, EnglishFonts) {
  Apply("english");
  const MainControl arial8[] = {
      MainControl::lblDiag,      MainControl::lblExe,        MainControl::lblDriver,    MainControl::lblDisp,
      MainControl::lblMeasure,   MainControl::txtError,      MainControl::txtPrintTitle, MainControl::frmLimit,
      MainControl::lblHighTitle, MainControl::lblLowTitle,   MainControl::lblForce,     MainControl::lblHz,
      MainControl::lblPrintTitle, MainControl::cmdStart,     MainControl::cmdEnd,       MainControl::cmdSave,
      MainControl::cmdPrint,     MainControl::CmdExit,       MainControl::cmdDispChange0,
      MainControl::cmdDispChange1, MainControl::CmdErrorReset};
  for (MainControl c : arial8) {
    const LOGFONTW lf = FontOf(Control(c));
    EXPECT_EQ(winkit::Utf8FromWide(lf.lfFaceName), "arial") << kMainControlNames[static_cast<int>(c)];
    EXPECT_EQ(lf.lfHeight, PixelHeight(8)) << kMainControlNames[static_cast<int>(c)];
    EXPECT_EQ(lf.lfWeight, FW_NORMAL) << kMainControlNames[static_cast<int>(c)];
  }
  const LOGFONTW title = FontOf(Control(MainControl::LblTitle));
  EXPECT_EQ(winkit::Utf8FromWide(title.lfFaceName), "arial");
  EXPECT_EQ(title.lfHeight, PixelHeight(12));
  EXPECT_EQ(title.lfWeight, FW_BOLD);
  const LOGFONTW form = FontOf(window_);
  EXPECT_EQ(winkit::Utf8FromWide(form.lfFaceName), "arial");
  EXPECT_EQ(form.lfHeight, PixelHeight(9));
  // The unit labels keep their design font.
  EXPECT_EQ(SendMessageW(Control(MainControl::lblHigh), WM_GETFONT, 0, 0), 0);
}

TEST_F(StationSettingsCaptions, JapaneseForAnyOtherLanguage) {
  Apply("English");
  EXPECT_EQ(TextOf(window_), "音波式張力計");
  EXPECT_EQ(TextOf(Control(MainControl::CmdErrorReset)), "アラーム解除");
  EXPECT_EQ(TextOf(Control(MainControl::lblLowTitle)), "下限値 ");
  EXPECT_EQ(TextOf(Control(MainControl::LblTitle)), "TENSOWAVE");
  EXPECT_EQ(MenuText(0, MF_BYPOSITION), "ファイル");
  EXPECT_EQ(MenuText(MenuCommandId(MainMenu::version), MF_BYCOMMAND), "バージョン");
  const LOGFONTW ctrl = FontOf(Control(MainControl::cmdStart));
  EXPECT_EQ(winkit::Utf8FromWide(ctrl.lfFaceName), "ＭＳ Ｐゴシック");
  EXPECT_EQ(ctrl.lfHeight, PixelHeight(9));
  const LOGFONTW title = FontOf(Control(MainControl::LblTitle));
  EXPECT_EQ(title.lfHeight, PixelHeight(12));
  EXPECT_EQ(title.lfWeight, FW_BOLD);
}

TEST_F(StationSettingsCaptions, FontsAreSharedNotRecreated) {
  const winkit::Dpi dpi = winkit::WindowDpi(Control(MainControl::cmdStart));
  const HFONT first = FontFor(CtrlFontSpec("english"), dpi);
  EXPECT_EQ(FontFor(CtrlFontSpec("english"), dpi), first);
  EXPECT_NE(FontFor(FormFontSpec("english"), dpi), first);
  Apply("english");
  Apply("english");
  EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageW(Control(MainControl::cmdStart), WM_GETFONT, 0, 0)), first);
}

} // namespace
} // namespace orva
