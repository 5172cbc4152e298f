#include "winkit/font_cache.h"

#include <map>
#include <mutex>
#include <tuple>

namespace winkit {
namespace {

using FontKey = std::tuple<std::wstring, int, bool, BYTE, BYTE, int>;

struct Cache {
  std::mutex guard;
  std::map<FontKey, HFONT> fonts;
  std::map<HFONT, FontRequest> requests;
};

Cache& TheCache() {
  static Cache cache;
  return cache;
}

} // namespace

HFONT CachedFont(const FontRequest& request, Dpi dpi) {
  Cache& cache = TheCache();
  const FontKey key{request.face, request.points, request.bold, request.charset, request.pitchAndFamily, dpi.y};
  const std::lock_guard<std::mutex> lock(cache.guard);
  if (const auto found = cache.fonts.find(key); found != cache.fonts.end()) return found->second;
  // Negative height: the character height in pixels for the point size.
  const HFONT font = CreateFontW(-MulDiv(request.points, dpi.y, 72), 0, 0, 0, request.bold ? FW_BOLD : FW_NORMAL,
                                 FALSE, FALSE, FALSE, request.charset, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                 DEFAULT_QUALITY, request.pitchAndFamily, request.face.c_str());
  if (font) {
    cache.fonts.emplace(key, font);
    cache.requests.emplace(font, request);
  }
  return font;
}

std::optional<FontRequest> CachedFontRequest(HFONT font) {
  Cache& cache = TheCache();
  const std::lock_guard<std::mutex> lock(cache.guard);
  if (const auto found = cache.requests.find(font); found != cache.requests.end()) return found->second;
  return std::nullopt;
}

} // namespace winkit
