// The charts as a picture in memory (a 24-bit DIB section), for the
// clipboard and for the PNG file: drawn by the same painter as the window.
#pragma once

#include "station/stats/win/chart_painter.h"

#include <vector>
#include <windows.h>

namespace orva {

class ChartPicture {
public:
  ChartPicture(int width, int height, const ChartScene& scene);
  ~ChartPicture();
  ChartPicture(const ChartPicture&) = delete;
  ChartPicture& operator=(const ChartPicture&) = delete;

  bool Ok() const { return bitmap_ != nullptr; }
  HBITMAP Bitmap() const { return bitmap_; }
  // The packed DIB the clipboard's CF_DIB format holds: header, then rows.
  std::vector<BYTE> PackedDib() const;

private:
  BITMAPINFOHEADER header_{};
  HBITMAP bitmap_ = nullptr;
  void* bits_ = nullptr;
};

} // namespace orva
