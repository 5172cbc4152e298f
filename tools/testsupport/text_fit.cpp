#include "tools/testsupport/text_fit.h"

#include "tools/testsupport/desktop.h"
#include "winkit/frame_window.h"
#include "winkit/text.h"

namespace orva::testsupport {
namespace {

struct Measure {
  std::vector<std::string> cut;
  int measured = 0;
};

std::string NameOf(HWND control) {
  return winkit::Utf8FromWide(WindowClassName(control)) + " " + std::to_string(GetDlgCtrlID(control));
}

BOOL CALLBACK CollectShown(HWND control, LPARAM list) {
  if (IsShown(control)) reinterpret_cast<std::vector<HWND>*>(list)->push_back(control);
  return TRUE;
}

// The visible controls below `window` (a hidden frame hides its contents).
std::vector<HWND> ShownControls(HWND window) {
  std::vector<HWND> controls;
  EnumChildWindows(window, &CollectShown, reinterpret_cast<LPARAM>(&controls));
  return controls;
}

// The text's extent in the control's font; `width` > 0 wraps at it.
SIZE Extent(HWND control, const std::wstring& text, int width, UINT flags) {
  HDC dc = GetDC(control);
  const HFONT font = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
  const HGDIOBJ old = SelectObject(dc, font);
  RECT r{0, 0, width > 0 ? width : 0, 0};
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, DT_CALCRECT | DT_NOPREFIX | flags);
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  SelectObject(dc, old);
  ReleaseDC(control, dc);
  // Height: the lines, the last one counted by the character height the
  // program asked for (a font's own leading and rounding may be cut unseen,
  // as Windows centres one line in a control).
  LOGFONTW asked{};
  const int lineHeight = metrics.tmHeight;
  const int charHeight = GetObjectW(font, sizeof asked, &asked) && asked.lfHeight < 0
                             ? -asked.lfHeight
                             : metrics.tmHeight - metrics.tmInternalLeading;
  return {r.right - r.left, std::max<LONG>(r.bottom - r.top, lineHeight) - lineHeight + charHeight};
}

void Check(Measure& m, HWND control, const std::wstring& text, SIZE needs, SIZE has) {
  ++m.measured;
  if (needs.cx <= has.cx && needs.cy <= has.cy) return;
  m.cut.push_back(NameOf(control) + " \"" + winkit::Utf8FromWide(text) + "\": needs " + std::to_string(needs.cx) + " x " +
                  std::to_string(needs.cy) + ", has " + std::to_string(has.cx) + " x " + std::to_string(has.cy));
}

void MeasureOne(Measure& m, HWND control) {
  RECT client{};
  GetClientRect(control, &client);
  const SIZE has{client.right, client.bottom};
  const std::wstring cls = WindowClassName(control);
  const std::wstring text = winkit::WindowText(control);
  const LONG style = GetWindowLongW(control, GWL_STYLE);
  // Room the system's own drawing takes from a control.
  const int edge = GetSystemMetrics(SM_CXEDGE);
  if (_wcsicmp(cls.c_str(), L"Button") == 0) {
    if (text.empty()) return;
    const LONG type = style & BS_TYPEMASK;
    const bool multiline = (style & BS_MULTILINE) != 0;
    if (type == BS_GROUPBOX) {
      // The caption sits in the top border, after a short stretch of it.
      const SIZE needs = Extent(control, text, 0, DT_SINGLELINE);
      Check(m, control, text, {needs.cx + 4 * edge + 8, needs.cy}, has);
    } else if (type == BS_CHECKBOX || type == BS_AUTOCHECKBOX || type == BS_RADIOBUTTON ||
               type == BS_AUTORADIOBUTTON || type == BS_3STATE || type == BS_AUTO3STATE) {
      // The box or circle: the check mark's size, then a gap.
      const int box = GetSystemMetrics(SM_CXMENUCHECK) + edge * 2;
      const SIZE needs = Extent(control, text, multiline ? has.cx - box : 0, multiline ? DT_WORDBREAK : DT_SINGLELINE);
      Check(m, control, text, {needs.cx + box, needs.cy}, has);
    } else {
      // A push button: its 3-D frame and focus rectangle inside.
      const int frame = 3 * edge;
      const SIZE needs =
          Extent(control, text, multiline ? has.cx - 2 * frame : 0, multiline ? DT_WORDBREAK : DT_SINGLELINE);
      Check(m, control, text, {needs.cx + 2 * frame, needs.cy + 2 * edge}, has);
    }
  } else if (_wcsicmp(cls.c_str(), L"Static") == 0) {
    if (text.empty() || (style & SS_TYPEMASK) == SS_ICON || (style & SS_TYPEMASK) == SS_BITMAP) return;
    const bool oneLine = (style & SS_TYPEMASK) == SS_SIMPLE || (style & SS_TYPEMASK) == SS_LEFTNOWORDWRAP;
    // A label wraps at its width (a word longer than that is cut).
    Check(m, control, text, Extent(control, text, oneLine ? 0 : has.cx, oneLine ? DT_SINGLELINE : DT_WORDBREAK), has);
  } else if (_wcsicmp(cls.c_str(), L"Edit") == 0) {
    // One line of its font fits; the text itself may scroll.
    if (style & ES_MULTILINE) return;
    const SIZE line = Extent(control, L"Hg", 0, DT_SINGLELINE);
    Check(m, control, text, {0, line.cy}, has);
  } else if (winkit::FrameBorderStyle(control) == 1 && !text.empty()) {
    const SIZE needs = Extent(control, text, 0, DT_SINGLELINE);
    Check(m, control, text, {needs.cx + 4 * edge + 8, needs.cy}, has);
  }
}

Measure MeasureWindow(HWND window) {
  Measure m;
  for (HWND control : ShownControls(window)) MeasureOne(m, control);
  return m;
}

bool IsGroupBox(HWND control) {
  return _wcsicmp(WindowClassName(control).c_str(), L"Button") == 0 &&
         (GetWindowLongW(control, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX;
}

bool Inside(const RECT& inner, const RECT& outer) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right && inner.bottom <= outer.bottom;
}

RECT RectIn(HWND control) {
  RECT r{};
  GetWindowRect(control, &r);
  MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

} // namespace

std::vector<std::string> CoveredControls(HWND window, bool outside) {
  const std::vector<HWND> controls = ShownControls(window);
  std::vector<std::string> found;
  for (std::size_t i = 0; i < controls.size(); ++i) {
    const HWND a = controls[i], parent = GetParent(a);
    // A control's own parts (a list's header) are the control's business.
    if (parent != window && _wcsicmp(WindowClassName(parent).c_str(), L"OrvaFrame") != 0) continue;
    RECT client{};
    GetClientRect(parent, &client);
    const RECT ra = RectIn(a);
    if (outside && !Inside(ra, client)) found.push_back(NameOf(a) + " outside");
    for (std::size_t j = i + 1; j < controls.size(); ++j) {
      const HWND b = controls[j];
      if (GetParent(b) != parent) continue;
      const RECT rb = RectIn(b);
      RECT both{};
      if (!IntersectRect(&both, &ra, &rb)) continue;
      if ((IsGroupBox(a) && Inside(rb, ra)) || (IsGroupBox(b) && Inside(ra, rb))) continue;
      found.push_back(NameOf(a) + " over " + NameOf(b));
    }
  }
  return found;
}

std::string Listed(const std::vector<std::string>& lines) {
  std::string all;
  for (const std::string& line : lines) all += "\n  " + line;
  return all;
}

std::vector<std::string> CutTexts(HWND window) { return MeasureWindow(window).cut; }

int MeasuredControls(HWND window) { return MeasureWindow(window).measured; }

} // namespace orva::testsupport
