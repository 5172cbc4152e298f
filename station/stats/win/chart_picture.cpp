#include "station/stats/win/chart_picture.h"

#include "winkit/selected_object.h"

#include <cstring>

namespace orva {

ChartPicture::ChartPicture(int width, int height, const ChartScene& scene) {
  if (width < 1 || height < 1) return;
  header_.biSize = sizeof header_;
  header_.biWidth = width;
  header_.biHeight = height; // bottom-up, as every reader of CF_DIB expects
  header_.biPlanes = 1;
  header_.biBitCount = 24;   // no alpha byte that a reader could take for transparency
  header_.biCompression = BI_RGB;
  BITMAPINFO info{};
  info.bmiHeader = header_;
  bitmap_ = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits_, nullptr, 0);
  if (!bitmap_) return;
  const HDC dc = CreateCompatibleDC(nullptr);
  if (!dc) {
    DeleteObject(bitmap_);
    bitmap_ = nullptr;
    return;
  }
  {
    const winkit::SelectedFor picture(dc, bitmap_);
    PaintCharts(dc, RECT{0, 0, width, height}, scene);
  }
  DeleteDC(dc);
  GdiFlush(); // the bits are read directly
}

ChartPicture::~ChartPicture() {
  if (bitmap_) DeleteObject(bitmap_);
}

std::vector<BYTE> ChartPicture::PackedDib() const {
  if (!bitmap_) return {};
  const std::size_t stride = (static_cast<std::size_t>(header_.biWidth) * 3 + 3) & ~std::size_t{3};
  const std::size_t bytes = stride * static_cast<std::size_t>(header_.biHeight);
  std::vector<BYTE> dib(sizeof header_ + bytes);
  BITMAPINFOHEADER header = header_;
  header.biSizeImage = static_cast<DWORD>(bytes);
  std::memcpy(dib.data(), &header, sizeof header);
  std::memcpy(dib.data() + sizeof header, bits_, bytes);
  return dib;
}

} // namespace orva
