// Language fonts on the screen. Each distinct font is created once and kept
// for the life of the process, so a control never holds a deleted font.
#include "station/settings/win/fonts_win.h"

#include "winkit/text.h"
#include "winkit/twips.h"

#include <map>
#include <mutex>
#include <tuple>

namespace orva {
namespace {

void AssignFont(HWND window, HFONT font) {
  if (window && font) SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

} // namespace

HFONT FontFor(const FontSpec& wanted) {
  static std::mutex guard;
  static std::map<std::tuple<std::string, int, bool, int>, HFONT> cache;
  const int dpi = winkit::ScreenDpi().y;
  const auto key = std::make_tuple(wanted.face, wanted.points, wanted.bold, dpi);
  std::lock_guard<std::mutex> lock(guard);
  if (const auto found = cache.find(key); found != cache.end()) return found->second;
  const std::wstring face = winkit::WideFromUtf8(wanted.face);
  // Negative height: the character height in pixels for the point size.
  HFONT font = CreateFontW(-MulDiv(wanted.points, dpi, 72), 0, 0, 0, wanted.bold ? FW_BOLD : FW_NORMAL,
                           FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                           CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                           face.c_str());
  if (font) cache.emplace(key, font);
  return font;
}

void SetCtrlFont(HWND control, std::string_view curLanguage) {
  AssignFont(control, FontFor(CtrlFontSpec(curLanguage)));
}

void SetFormFont(HWND form, std::string_view curLanguage) {
  AssignFont(form, FontFor(FormFontSpec(curLanguage)));
}

void SetTitleFont(HWND label, std::string_view curLanguage) {
  AssignFont(label, FontFor(TitleFontSpec(curLanguage)));
}

} // namespace orva
