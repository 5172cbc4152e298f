#include "winkit/font_cache.h"

#include "winkit/twips.h"

#include <map>
#include <mutex>
#include <tuple>

namespace winkit {

HFONT CachedFont(const FontRequest& request) {
  static std::mutex guard;
  static std::map<std::tuple<std::wstring, int, bool, BYTE, BYTE, int>, HFONT> cache;
  const int dpi = ScreenDpi().y;
  const auto key =
      std::make_tuple(request.face, request.points, request.bold, request.charset, request.pitchAndFamily, dpi);
  const std::lock_guard<std::mutex> lock(guard);
  if (const auto found = cache.find(key); found != cache.end()) return found->second;
  // Negative height: the character height in pixels for the point size.
  const HFONT font = CreateFontW(-MulDiv(request.points, dpi, 72), 0, 0, 0, request.bold ? FW_BOLD : FW_NORMAL, FALSE,
                                 FALSE, FALSE, request.charset, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                 DEFAULT_QUALITY, request.pitchAndFamily, request.face.c_str());
  if (font) cache.emplace(key, font);
  return font;
}

} // namespace winkit
