#include "station/stats/win/png_file.h"

#include <cstring>
#include <objidl.h> // PROPID, which gdiplus.h takes for granted
#include <gdiplus.h>
#include <vector>

namespace orva {
namespace {

namespace flat = Gdiplus::DllExports;

// The flat API functions the picture needs, all in GDI+ 1.0.
struct GdiPlus {
  decltype(&Gdiplus::GdiplusStartup) startup = nullptr;
  decltype(&Gdiplus::GdiplusShutdown) shutdown = nullptr;
  decltype(&flat::GdipCreateBitmapFromHBITMAP) fromHbitmap = nullptr;
  decltype(&flat::GdipGetImageEncodersSize) encodersSize = nullptr;
  decltype(&flat::GdipGetImageEncoders) encoders = nullptr;
  decltype(&flat::GdipSaveImageToFile) save = nullptr;
  decltype(&flat::GdipDisposeImage) dispose = nullptr;
  bool Complete() const { return startup && shutdown && fromHbitmap && encodersSize && encoders && save && dispose; }
};

template <class Fn>
void Bind(HMODULE module, const char* name, Fn& fn) {
  fn = reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

// Loaded once and kept for the process's life.
const GdiPlus* Library() {
  static const GdiPlus bound = [] {
    GdiPlus g;
    const HMODULE module = LoadLibraryW(L"gdiplus.dll");
    if (!module) return g;
    Bind(module, "GdiplusStartup", g.startup);
    Bind(module, "GdiplusShutdown", g.shutdown);
    Bind(module, "GdipCreateBitmapFromHBITMAP", g.fromHbitmap);
    Bind(module, "GdipGetImageEncodersSize", g.encodersSize);
    Bind(module, "GdipGetImageEncoders", g.encoders);
    Bind(module, "GdipSaveImageToFile", g.save);
    Bind(module, "GdipDisposeImage", g.dispose);
    return g;
  }();
  return bound.Complete() ? &bound : nullptr;
}

// GDI+ from startup to shutdown.
class Session {
public:
  explicit Session(const GdiPlus& g) : g_(g) {
    const Gdiplus::GdiplusStartupInput input;
    ok_ = g_.startup(&token_, &input, nullptr) == Gdiplus::Ok;
  }
  ~Session() {
    if (ok_) g_.shutdown(token_);
  }
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;
  bool Ok() const { return ok_; }

private:
  const GdiPlus& g_;
  ULONG_PTR token_ = 0;
  bool ok_ = false;
};

// The encoder for "image/png", asked of GDI+ rather than assumed.
bool PngEncoder(const GdiPlus& g, CLSID& clsid) {
  UINT count = 0, size = 0;
  if (g.encodersSize(&count, &size) != Gdiplus::Ok || size == 0) return false;
  std::vector<BYTE> buffer(size);
  auto* codecs = reinterpret_cast<Gdiplus::ImageCodecInfo*>(buffer.data());
  if (g.encoders(count, size, codecs) != Gdiplus::Ok) return false;
  for (UINT i = 0; i < count; ++i) {
    if (codecs[i].MimeType && std::wcscmp(codecs[i].MimeType, L"image/png") == 0) {
      clsid = codecs[i].Clsid;
      return true;
    }
  }
  return false;
}

} // namespace

bool WritePng(HBITMAP bitmap, const std::wstring& path) {
  const GdiPlus* g = Library();
  if (!g || !bitmap) return false;
  Session session(*g);
  CLSID png{};
  if (!session.Ok() || !PngEncoder(*g, png)) return false;
  Gdiplus::GpBitmap* image = nullptr;
  if (g->fromHbitmap(bitmap, nullptr, &image) != Gdiplus::Ok || !image) return false;
  const bool saved = g->save(image, path.c_str(), &png, nullptr) == Gdiplus::Ok;
  g->dispose(image);
  return saved;
}

} // namespace orva
