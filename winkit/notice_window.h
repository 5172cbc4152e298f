// A notice that does not stop the operator: a small window near the bottom
// right of its owner, shown without taking the focus, that stays until it is
// closed or replaced by the next notice. For news that must not open a modal
// box in the middle of a run (a shared folder that went away, and came back).
#pragma once

#include "winkit/window.h"

#include <string>

namespace winkit {

class NoticeWindow : public Window {
public:
  // Shows `text` (UTF-16) under `title`, replacing the notice shown before.
  void Show(HWND owner, const std::wstring& title, const std::wstring& text, HFONT font);
  void Close();
  std::wstring Text() const { return text_; }

private:
  LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp) override;
  std::wstring text_;
  HWND label_ = nullptr;
};

} // namespace winkit
