#include "station/stats/win/clipboard_copy.h"

#include <cstring>

namespace orva {
namespace {

constexpr int kOpenAttempts = 10; // another program may hold it for a moment
constexpr DWORD kOpenPauseMs = 20;

// A movable global block with the bytes, handed to the clipboard.
bool Place(UINT format, const void* bytes, std::size_t size) {
  const HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, size);
  if (!block) return false;
  void* at = GlobalLock(block);
  if (!at) {
    GlobalFree(block);
    return false;
  }
  std::memcpy(at, bytes, size);
  GlobalUnlock(block);
  if (!SetClipboardData(format, block)) {
    GlobalFree(block); // not taken: still ours
    return false;
  }
  return true;
}

} // namespace

bool CopyTextAndPicture(HWND owner, const std::wstring& text, const std::vector<BYTE>& packedDib) {
  bool open = false;
  for (int i = 0; i < kOpenAttempts && !(open = OpenClipboard(owner)); ++i) Sleep(kOpenPauseMs);
  if (!open) return false;
  bool ok = EmptyClipboard() != FALSE;
  ok = ok && Place(CF_UNICODETEXT, text.c_str(), (text.size() + 1) * sizeof(wchar_t));
  ok = ok && !packedDib.empty() && Place(CF_DIB, packedDib.data(), packedDib.size());
  CloseClipboard();
  return ok;
}

} // namespace orva
