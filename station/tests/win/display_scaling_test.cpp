// Every window of the station at the pixels per inch the test runs at, in
// both languages: it opens, and no control's text is cut in the control's
// own font. ctest runs this program at 96, 144 and 192 dpi (scripts/at-dpi.sh).
#include "station/allowances/allowances_layout.h"
#include "station/allowances/win/allowances_dialog.h"
#include "station/output/print_progress.h"
#include "station/output/win/printing_dialog.h"
#include "station/settings/win/fonts_win.h"
#include "station/settings/win/main_captions_win.h"
#include "station/tests/win/station_fixture.h"
#include "tools/testsupport/desktop.h"
#include "tools/testsupport/text_fit.h"
#include "winkit/control_helpers.h"
#include "winkit/window_dpi.h"

#include <commctrl.h>
#include <cstdlib>
#include <set>

namespace orva::test {
namespace {

HWND VisibleWindowOfClass(const wchar_t* cls) {
  const HWND found = FindWindowW(cls, nullptr);
  return found && IsWindowVisible(found) ? found : nullptr;
}

// Modal dialogs measured from a timer inside their own loops: each new one
// is measured, then ended with Esc, or first asked to open the one beyond it.
struct ModalRound {
  std::set<HWND> seen;
  std::vector<std::string> cut;
  std::vector<std::wstring> titles;
  int measured = 0;
  std::function<bool(HWND dialog)> openNext; // true: it opened one more
  bool ownPlaces = false;                     // see DisplayScaling::ExpectAllShown
};
ModalRound* g_round = nullptr;

BOOL CALLBACK TopDialog(HWND window, LPARAM found) {
  if (IsWindowVisible(window) && IsWindowEnabled(window) && testsupport::WindowClassName(window) == L"#32770")
    *reinterpret_cast<HWND*>(found) = window;
  return TRUE;
}

void CALLBACK OnModalTimer(HWND, UINT, UINT_PTR, DWORD) {
  HWND dialog = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), &TopDialog, reinterpret_cast<LPARAM>(&dialog));
  if (!dialog || !g_round) return;
  if (g_round->seen.insert(dialog).second) {
    for (const std::string& line : testsupport::CutTexts(dialog)) g_round->cut.push_back(line);
    if (g_round->ownPlaces)
      for (const std::string& line : testsupport::CoveredControls(dialog)) g_round->cut.push_back(line);
    g_round->measured += testsupport::MeasuredControls(dialog);
    wchar_t title[128] = {};
    GetWindowTextW(dialog, title, 128);
    g_round->titles.emplace_back(title);
    if (g_round->openNext && g_round->openNext(dialog)) return;
  }
  PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
}

class DisplayScaling : public StationTest {
protected:
  // Windows whose places this station chose itself are also checked for
  // controls over one another or outside the window; the main window, the
  // settings dialog and the about box keep their given places, which lie
  // over one another by design (labels over their boxes, the command
  // column's border above the window).
  void ExpectAllShown(HWND window, const char* what, bool ownPlaces) {
    ASSERT_TRUE(window) << what << " did not open";
    EXPECT_GT(testsupport::MeasuredControls(window), 0) << what;
    const std::vector<std::string> cut = testsupport::CutTexts(window);
    EXPECT_TRUE(cut.empty()) << what << " at " << winkit::WindowDpi(window).y << " dpi:" << testsupport::Listed(cut);
    // Wine's headless screen is 1024 x 768: at 192 dpi a window larger than
    // that is cut to it, and what lies beyond is not the layout's fault.
    RECT outer{};
    GetWindowRect(window, &outer);
    const bool whole = outer.right - outer.left <= GetSystemMetrics(SM_CXSCREEN) &&
                       outer.bottom - outer.top <= GetSystemMetrics(SM_CYSCREEN);
    const std::vector<std::string> covered =
        ownPlaces ? testsupport::CoveredControls(window, whole) : std::vector<std::string>{};
    EXPECT_TRUE(covered.empty()) << what << " at " << winkit::WindowDpi(window).y << " dpi:" << testsupport::Listed(covered);
  }

  void Menu(MainMenu item) { SendMessageW(Main(), WM_COMMAND, MenuCommandId(item), 0); }

  // Opens the modal dialog of `item`, measures it (and what openNext opens).
  ModalRound ModalOf(MainMenu item, std::function<bool(HWND)> openNext = {}) {
    ModalRound round;
    round.ownPlaces = static_cast<bool>(openNext);
    round.openNext = std::move(openNext);
    g_round = &round;
    const UINT_PTR timer = SetTimer(nullptr, 0, 150, &OnModalTimer);
    Menu(item);
    KillTimer(nullptr, timer);
    g_round = nullptr;
    return round;
  }

  void EveryWindow(const char* language) {
    ExpectAllShown(Main(), language, false);

    for (const MainMenu item : {MainMenu::Setting, MainMenu::version}) {
      const ModalRound round = ModalOf(item);
      EXPECT_EQ(round.seen.size(), 1u) << language << " menu item " << static_cast<int>(item);
      EXPECT_GT(round.measured, 0);
      EXPECT_TRUE(round.cut.empty()) << language << ":" << testsupport::Listed(round.cut);
    }
    // The allowances dialog, and the entry editor its New button opens.
    bool newClicked = false;
    const ModalRound allowances = ModalOf(MainMenu::Allowances, [&](HWND dialog) {
      if (newClicked) return false;
      newClicked = true;
      const HWND button = GetDlgItem(dialog, kAllowancesFirstControlId + static_cast<int>(AllowancesCtl::cmdNew));
      if (!button) return false;
      PostMessageW(button, BM_CLICK, 0, 0);
      return true;
    });
    EXPECT_EQ(allowances.seen.size(), 2u) << language << ": the allowances dialog and its entry editor";
    EXPECT_TRUE(allowances.cut.empty()) << language << ":" << testsupport::Listed(allowances.cut);

    Menu(MainMenu::Statistics);
    ExpectAllShown(VisibleWindowOfClass(L"OrvaStatistics"), "statistics", true);
    Menu(MainMenu::RunArchive);
    ExpectAllShown(VisibleWindowOfClass(L"OrvaRunArchive"), "run archive", true);

    const std::string lang = lib_.CurLanguage;
    PrintingDialog box(Main(), lang, PrintingWhatText(lang, 1234, "PDF"), FontFor(FormFontSpec(lang), winkit::WindowDpi(Main())));
    HWND printing = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), &TopDialog, reinterpret_cast<LPARAM>(&printing));
    ExpectAllShown(printing, "printing box", true);
  }
};

TEST_F(DisplayScaling, EveryWindowShowsItsWholeTextsInEnglish) { EveryWindow("english"); }

// The station starts in English whatever the settings say; its Japanese
// texts are shown as a Japanese station would show them.
TEST_F(DisplayScaling, EveryWindowShowsItsWholeTextsInJapanese) {
  lib_.CurLanguage = "japanese";
  ApplyMainCaptions(Main(), [this](MainControl c) { return Ctl(c); }, lib_.CurLanguage);
  EveryWindow("japanese");
}

// The main window at this scaling: fonts made for it, and the design's
// client area at its size.
TEST_F(DisplayScaling, TheMainWindowIsMadeForTheScalingItRunsAt) {
  const int dpi = winkit::WindowDpi(Main()).y;
  // Run by scripts/at-dpi.sh: the prefix's scaling must have reached the program.
  if (const char* wanted = std::getenv("ORVA_EXPECT_DPI")) {
    EXPECT_EQ(dpi, std::atoi(wanted));
  }
  LOGFONTW font{};
  GetObjectW(reinterpret_cast<HFONT>(SendMessageW(Ctl(MainControl::cmdStart), WM_GETFONT, 0, 0)), sizeof font, &font);
  EXPECT_EQ(font.lfHeight, -MulDiv(CtrlFontSpec(kEnglish).points, dpi, 72));
  const RECT start = winkit::RectInParent(Ctl(MainControl::cmdStart));
  EXPECT_NEAR(start.right - start.left, winkit::TwipsToPixels(PlacementOf(MainControl::cmdStart).rect.width, dpi), 1);
}

// What Windows sends when the window reaches a monitor of `dpi`.
void SendDpiChange(HWND window, int dpi, RECT suggested) {
  SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
}

// Dragged onto a monitor of other scaling, Windows suggests the rectangle of
// the same size in inches; the window lays out for it, keeping its resize
// rule (here: an inch wider and half an inch taller than at load). Wine's
// headless screen is 1024 x 768, so the move goes to 120 dpi from 96 and to
// 96 from the others.
TEST_F(DisplayScaling, AMoveToAMonitorOfOtherScalingLaysTheWindowOutForIt) {
  const int from = winkit::WindowDpi(Main()).y, to = from == 96 ? 120 : 96;
  RECT loaded{};
  GetWindowRect(Main(), &loaded);
  const auto there = [&](int pixelsHere) { return MulDiv(pixelsHere, to, from); };
  const RECT suggested{loaded.left, loaded.top, loaded.left + there(loaded.right - loaded.left) + to,
                       loaded.top + there(loaded.bottom - loaded.top) + to / 2};
  SendDpiChange(Main(), to, suggested);

  EXPECT_EQ(winkit::WindowDpi(Ctl(MainControl::cmdStart)).y, to);
  RECT now{};
  GetWindowRect(Main(), &now);
  EXPECT_EQ(now.right - now.left, suggested.right - suggested.left);
  // Controls at their design places for the new scaling, in fonts made for it.
  const winkit::TwipRect start = PlacementOf(MainControl::cmdStart).rect;
  const RECT placed = winkit::RectInParent(Ctl(MainControl::cmdStart));
  EXPECT_EQ(placed.left, winkit::TwipsToPixels(start.left, to));
  EXPECT_EQ(placed.right - placed.left, winkit::TwipsToPixels(start.left + start.width, to) - winkit::TwipsToPixels(start.left, to));
  LOGFONTW font{};
  GetObjectW(reinterpret_cast<HFONT>(SendMessageW(Ctl(MainControl::cmdStart), WM_GETFONT, 0, 0)), sizeof font, &font);
  EXPECT_EQ(font.lfHeight, -MulDiv(CtrlFontSpec(kEnglish).points, to, 72));
  // The resize rule at the new scaling: the grid an inch wider than its
  // design width, the command column moved as far; the rows as high in inches.
  const RECT grid = winkit::RectInParent(Ctl(MainControl::MSFlexGridMsr));
  const LayoutBaselines& base = window_->Baselines();
  EXPECT_NEAR(grid.right - grid.left, winkit::TwipsToPixels(base.DispWidth + 1440, to), 3);
  EXPECT_NEAR(winkit::RectInParent(Ctl(MainControl::frmCmd)).left, winkit::TwipsToPixels(base.frmCmdLeft + 1440, to), 3);
  RECT row{LVIR_BOUNDS, 0, 0, 0};
  ASSERT_TRUE(SendMessageW(Ctl(MainControl::MSFlexGridMsr), LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&row)));
  EXPECT_NEAR(row.bottom - row.top, winkit::TwipsToPixels(window_->Grid().RowHeight(), to), 1);
  // Nothing cut at the new scaling either.
  const std::vector<std::string> cut = testsupport::CutTexts(Main());
  EXPECT_TRUE(cut.empty()) << "after the move to " << to << " dpi:" << testsupport::Listed(cut);
}

} // namespace
} // namespace orva::test
