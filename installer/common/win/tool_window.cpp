#include "installer/common/win/tool_window.h"

#include "installer/common/path_rules.h"
#include "installer/common/win/pieces.h"
#include "installer/common/win/routines.h"
#include "winkit/control_helpers.h"
#include "winkit/program_folder.h"
#include "winkit/twips.h"
#include "winkit/window_dpi.h"

namespace orva::installer {

HWND ToolWindow::Control(int id) const {
  for (const auto& [controlId, hwnd] : controls_)
    if (controlId == id) return hwnd;
  return nullptr;
}

bool ToolWindow::Build(const ToolDesign& design, const std::wstring& messageTitle, HMENU menu) {
  tool_.folder = WithBackslash(winkit::ModuleFolder());
  tool_.title = messageTitle;

  const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
  const winkit::WindowClass cls{design.className, 0, LoadIconW(nullptr, MAKEINTRESOURCEW(32512)), nullptr,
                                reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1)};
  HWND hwnd = CreateWin(cls, WS_EX_CONTROLPARENT, style, L"", CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                        CW_USEDEFAULT, nullptr, menu);
  if (!hwnd) return false;
  tool_.window = hwnd;
  // Sized once it exists, for the scaling of the monitor it opened on.
  const winkit::Dpi dpi = winkit::WindowDpi(hwnd);
  winkit::SizeToClient(hwnd, design.clientWidth, design.clientHeight);

  const auto custom = [](const winkit::ControlSpec& row, HWND parent, const RECT& px) -> HWND {
    if (row.id == kPicture1) return CreateBanner(parent, row.id, px);
    if (row.id == kLblDisp) return CreateStatusLine(parent, row.id, px);
    return nullptr;
  };
  if (!built_.Build(hwnd, design.controls, dpi, custom)) return false;
  const std::vector<HWND>& handles = built_.Handles();
  for (std::size_t i = 0; i < handles.size(); ++i) {
    controls_.emplace_back(design.controls[i].id, handles[i]);
    winkit::SetFont(handles[i], InstallerFont(kLanguageEnglish, dpi));
  }
  for (const DesignCaption& c : design.captions)
    if (HWND control = Control(c.id)) SetWindowTextW(control, c.caption);

  tool_.Picture1 = Control(kPicture1);
  tool_.LblDisp = Control(kLblDisp);
  tool_.CmdNext = Control(kCmdNext);
  tool_.CmdCancel = Control(kCmdCancel);
  tool_.CmdExit = Control(kCmdExit);
  tool_.LblOS = Control(kLblOS);
  tool_.LblWindows = Control(kLblWindows);
  tool_.LblSystem = Control(kLblSystem);
  tool_.LblSystemFile = Control(kLblSystemFile);
  tool_.LblSystem32 = Control(kLblSystem32);
  return true;
}

void ToolWindow::SelectLanguage(int index) {
  winkit::SetChecked(Control(kOptEnglish), index == 0);
  winkit::SetChecked(Control(kOptJapanese), index == 1);
  tool_.language = static_cast<Language>(index);
  OnLanguage(index);
}

void ToolWindow::RequestClose() {
  if (!Handle()) return;
  if (steps_ == 0) {
    DestroyWindow(Handle());
    return;
  }
  tool_.closed = true;
  winkit::Show(Handle(), false);
}

void ToolWindow::StepDone() {
  if (--steps_ == 0 && tool_.closed && Handle()) DestroyWindow(Handle());
}

LRESULT ToolWindow::OnMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
  case WM_COMMAND: {
    const int id = LOWORD(wp);
    const int code = HIWORD(wp);
    if (code != BN_CLICKED) return 0; // menu items arrive with code 0, as BN_CLICKED
    if (id == kOptEnglish || id == kOptJapanese) {
      // An option's click event comes with every choice, also of the chosen one.
      SelectLanguage(id == kOptJapanese ? 1 : 0);
      return 0;
    }
    if (tool_.closed) return 0;
    OnClick(id);
    return 0;
  }
  case WM_DPICHANGED:
    winkit::TakeDpiChange(Handle(), wp, lp, [this](winkit::Dpi dpi) { built_.Place(dpi); });
    return 0;
  case WM_CLOSE: RequestClose(); return 0;
  case WM_DESTROY: PostQuitMessage(0); return 0;
  default: return Default(msg, wp, lp);
  }
}

} // namespace orva::installer
