// Building the main window: its class, controls from the layout table, the
// menu bar, the message dispatch to the OnX handlers and the resize rule.
#include "station/win/main_window.h"

#include "station/output/win/printing_dialog.h"
#include "station/settings/win/fonts_win.h"
#include "winkit/control_helpers.h"
#include "winkit/controls.h"
#include "winkit/menu.h"
#include "winkit/message_box.h"
#include "station/settings/win/main_control_looks.h"
#include "station/settings/shortcuts.h"
#include "station/win/picture_box.h"
#include "winkit/twips.h"
#include "winkit/window_dpi.h"

#include <commctrl.h>
#include <array>
#include <vector>

namespace orva {
namespace {

constexpr wchar_t kMainClass[] = L"ORVA_diag";
constexpr DWORD kMainStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
constexpr DWORD kMainExStyle = WS_EX_CONTROLPARENT;

// Design captions, replaced by ApplyMainCaptions.
constexpr winkit::MenuRow kMenuBar[] = {
    {MenuCommandId(MainMenu::menu_file), L"File", true}, {MenuCommandId(MainMenu::fsave), L"Save"},
    {MenuCommandId(MainMenu::fprint), L"Print"},          {MenuCommandId(MainMenu::RunArchive), L"Run Archive"},
    {MenuCommandId(MainMenu::exit), L"Exit"},
    {MenuCommandId(MainMenu::menu_tool), L"Tool", true}, {MenuCommandId(MainMenu::USBdiagnose), L"Diagnose"},
    {MenuCommandId(MainMenu::Setting), L"Setting"},       {MenuCommandId(MainMenu::Statistics), L"Statistics"},
    {MenuCommandId(MainMenu::Allowances), L"Allowances..."},
    {MenuCommandId(MainMenu::menu_help), L"Help", true}, {MenuCommandId(MainMenu::fhelp), L"Help"},
    {MenuCommandId(MainMenu::version), L"Version"},
};

} // namespace

MainWindow::MainWindow(OrvaLib& lib, StationConfig config)
    : lib_(lib), config_(std::move(config)),
      flow_(screen_, *this, runLogFile_, {lib_.CurLanguage, lib_.CurSaveType}) {
  flow_.SetWatcher(&statisticsWindow_);
  flow_.SetKeeping(&archive_);
  session_.SetHooks(&archive_);
}

MainWindow::~MainWindow() {
  // Destroyed here, while the window still reaches this object (Form_Unload).
  if (Handle()) ::DestroyWindow(Handle());
  if (shortcuts_) DestroyAcceleratorTable(shortcuts_);
}

bool MainWindow::Create() {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  HICON icon = LoadIconW(instance, MAKEINTRESOURCEW(1));
  if (!icon) icon = LoadIconA(nullptr, IDI_APPLICATION);
  const winkit::WindowClass cls{kMainClass, 0, icon, nullptr, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1)};

  menu_ = winkit::BuildMenuBar(kMenuBar);
  if (!CreateWin(cls, kMainExStyle, kMainStyle, L"", CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                 nullptr, menu_))
    return false;
  // Sized once it exists, for the scaling of the monitor it opened on.
  winkit::SizeToClient(Handle(), kMainClientWidth, kMainClientHeight);
  return CreateControls();
}

bool MainWindow::CreateControls() {
  std::array<winkit::ControlSpec, kMainControlCount> table{};
  const auto& design = MainWindowDesign();
  for (std::size_t i = 0; i < design.size(); ++i) {
    const ControlPlacement& place = design[i];
    const auto& look = kMainControlLooks[static_cast<std::size_t>(place.control)];
    const int container = place.container == Container::Window ? 0 : ControlId(ContainerControl(place.container));
    table[i] = {ControlId(place.control), look.kind, container, place.rect, look.style};
  }
  const auto custom = [this](const winkit::ControlSpec& row, HWND parent, const RECT& px) -> HWND {
    if (row.id == ControlId(MainControl::MSFlexGridMsr)) return grid_.Create(parent, row.id, px) ? grid_.Handle() : nullptr;
    return CreatePictureBox(parent, row.id, px);
  };
  const winkit::Dpi dpi = winkit::WindowDpi(Handle());
  if (!built_.Build(Handle(), table, dpi, custom)) return false;
  const std::vector<HWND>& made = built_.Handles();
  HFONT designFont = FontFor(CtrlFontSpec(kEnglish), dpi);
  for (std::size_t i = 0; i < design.size(); ++i) {
    controls_[static_cast<size_t>(design[i].control)] = made[i];
    winkit::SetFont(made[i], designFont);
  }
  SetUpKeyboard();
  return true;
}

void MainWindow::SetUpKeyboard() {
  for (MainControl c : TabZOrder())
    SetWindowPos(Control(c), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  std::vector<ACCEL> keys;
  for (const Shortcut& key : StationShortcuts())
    keys.push_back({static_cast<BYTE>(FVIRTKEY | (key.control ? FCONTROL : 0)), key.virtualKey,
                    static_cast<WORD>(ShortcutCommandId(key))});
  shortcuts_ = CreateAcceleratorTableW(keys.data(), static_cast<int>(keys.size()));
}

LRESULT MainWindow::OnMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
  case WM_COMMAND:
    // A shortcut key (code 1, no control) is taken as a click on its button.
    OnCommand(LOWORD(wp), HIWORD(wp) == 1 && lp == 0 ? BN_CLICKED : HIWORD(wp));
    return 0;
  case WM_NOTIFY: {
    LRESULT result = 0;
    if (grid_.HandleNotify(reinterpret_cast<const NMHDR*>(lp), result)) return result;
    break;
  }
  case WM_NOTIFYFORMAT: // so the grid asks for its texts in the wide form only
    return NFR_UNICODE;
  case WM_CTLCOLORSTATIC:
  case WM_CTLCOLOREDIT:
  case WM_CTLCOLORBTN:
    return OnCtlColor(msg, reinterpret_cast<HDC>(wp), reinterpret_cast<HWND>(lp));
  case WM_SIZE:
    if (wp != SIZE_MINIMIZED) OnSize();
    return 0;
  case WM_DPICHANGED:
    OnDpiChanged(wp, lp);
    return 0;
  case kMsgTellPending:
    screen_.TellWhatIsPending();
    return 0;
  case StationArchive::kCourierMessage:
    archive_.OnCourierNotice(wp, lp);
    return 0;
  case WM_CLOSE:
    session_.CloseRequested();
    return 0;
  case WM_DESTROY:
    session_.WindowDestroyed();
    return 0;
  case WM_ENDSESSION:
    // Windows is ending: leave as through the frame's close button, so the
    // device is stopped and the settings are kept.
    if (wp) Unload();
    return 0;
  default:
    break;
  }
  return Default(msg, wp, lp);
}

void MainWindow::OnCommand(int id, int code) {
  // The run judges against what the limit boxes hold, from the start-up on.
  if (code == EN_CHANGE && (id == ControlId(MainControl::txtLimitHigh) || id == ControlId(MainControl::txtLimitLow))) {
    OnLimitsEdited();
    return;
  }
  if (!session_.CommandsMayRun()) return;
  // Menu items (headings carry identifiers too, but never send commands).
  const int item = id - static_cast<int>(MenuCommandId(static_cast<MainMenu>(0)));
  if (item >= 0 && item < static_cast<int>(MainMenu::Count)) return OnMenuCommand(static_cast<MainMenu>(item));
  if (code != BN_CLICKED) return;
  const int index = id - ControlId(static_cast<MainControl>(0));
  if (index >= 0 && index < kMainControlCount) OnButtonClick(static_cast<MainControl>(index));
}

void MainWindow::OnMenuCommand(MainMenu item) {
  switch (item) {
  case MainMenu::fsave: OnSaveClick(); return;
  case MainMenu::fprint: OnPrintClick(); return;
  case MainMenu::exit: session_.ExitClicked(); return;
  case MainMenu::USBdiagnose: ShowDiagnose(true); return;
  case MainMenu::Setting: OnSettingClick(); return;
  case MainMenu::Statistics: OnStatisticsClick(); return;
  case MainMenu::RunArchive: archive_.OpenWindow(); return;
  case MainMenu::Allowances: OnAllowancesClick(); return;
  case MainMenu::fhelp: OnHelpClick(); return;
  case MainMenu::version: OnVersionClick(); return;
  default: return;
  }
}

void MainWindow::OnButtonClick(MainControl control) {
  if (!ClickAllowed(control)) return;
  switch (control) {
  case MainControl::cmdStart: flow_.StartClicked(); break;
  case MainControl::cmdEnd: flow_.StopClicked(); break;
  case MainControl::CmdErrorReset: flow_.ResetClicked(); break;
  case MainControl::cmdDispChange0: flow_.ScreenClicked(0); break;
  case MainControl::cmdDispChange1: flow_.ScreenClicked(1); break;
  case MainControl::OptLimitMode0:
  case MainControl::OptLimitMode1:
    flow_.LimitOptionClicked(control == MainControl::OptLimitMode1 ? 1 : 0);
    allowances_.LimitsChanged();
    break;
  case MainControl::CmdExit: session_.ExitClicked(); break;
  case MainControl::cmdSave: OnSaveClick(); break;
  case MainControl::cmdPrint: OnPrintClick(); break;
  default: break;
  }
}

// A disabled button, or one in a disabled frame, takes no clicks, also not a
// BM_CLICK sent from outside.
bool MainWindow::ClickAllowed(MainControl control) const {
  for (HWND w = Control(control); w && w != Handle(); w = GetParent(w))
    if (!IsWindowEnabled(w)) return false;
  return true;
}

LRESULT MainWindow::OnCtlColor(UINT msg, HDC dc, HWND control) {
  if (control == Control(MainControl::txtError) || msg == WM_CTLCOLOREDIT) {
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    SetBkColor(dc, GetSysColor(COLOR_WINDOW));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
  }
  const int index = GetDlgCtrlID(control) - ControlId(static_cast<MainControl>(0));
  const auto colour = index >= 0 && index < kMainControlCount ? screen_.LabelColour(static_cast<MainControl>(index))
                                                              : std::nullopt;
  SetTextColor(dc, colour ? *colour : GetSysColor(COLOR_BTNTEXT));
  SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
  return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
}

// ---- layout ---------------------------------------------------------------

void MainWindow::RecordBaselines() {
  const winkit::TwipSize form = winkit::WindowSizeInTwips(Handle()), grid = winkit::WindowSizeInTwips(grid_.Handle());
  baselines_.MainFormHeight = form.height;
  baselines_.MainFormWidth = form.width;
  baselines_.DispHeight = grid.height;
  baselines_.DispWidth = grid.width;
  const int cmdLeft = winkit::RectInParent(Control(MainControl::frmCmd)).left;
  baselines_.frmCmdLeft = winkit::PixelsToTwips(cmdLeft, winkit::WindowDpi(Handle()).x);
  baselinesRecorded_ = true;
}

void MainWindow::OnSize() {
  if (!baselinesRecorded_) return;
  const winkit::Dpi dpi = winkit::WindowDpi(Handle());
  RECT outer{};
  GetWindowRect(Handle(), &outer);
  const MainResizePixels size =
      MainResizeAt(outer.right - outer.left, outer.bottom - outer.top, dpi.x, dpi.y, baselines_);
  for (MainControl c : {MainControl::MSFlexGridMsr, MainControl::txtError})
    SetWindowPos(Control(c), nullptr, 0, 0, size.gridWidth, size.gridHeight, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  const RECT cmd = winkit::RectInParent(Control(MainControl::frmCmd));
  SetWindowPos(Control(MainControl::frmCmd), nullptr, size.frmCmdLeft, cmd.top, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);

  const double r = size.scaled ? winkit::WindowSizeInTwips(grid_.Handle()).width / baselines_.DispWidth : 1.0;
  const auto widths = ScaledColumnWidths(r);
  for (int c = 0; c < ReadingsGrid::kCols; ++c) grid_.SetColWidth(c, widths[static_cast<size_t>(c)]);
}

// Moved to a monitor of another scaling: the controls at their table places
// for it, then the resize rules for the size Windows suggests. The baselines
// are twips, so they hold at every scaling.
void MainWindow::OnDpiChanged(WPARAM wp, LPARAM lp) {
  winkit::TakeDpiChange(Handle(), wp, lp, [this](winkit::Dpi dpi) {
    built_.Place(dpi);
    grid_.ScaleToWindowDpi();
  });
  OnSize();
}

} // namespace orva
