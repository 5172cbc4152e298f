// Dialog: the one base of the repository's dialogs, modal and modeless. The
// template is empty and in memory (the dialog creates its controls from its
// twips table when it opens), `this` is stored at WM_INITDIALOG and cleared
// at WM_NCDESTROY, and messages reach the derived class's OnMessage inside
// the guard. A modal dialog is then a record plus one function that shows it:
//   bool ShowXDialog(HWND owner, XChoice& choice);
// A modeless one (a progress box) lives while its owner's work goes on; the
// work's own message pump serves it (MessagePump::HandlePending(dialog)).
#pragma once

#include "winkit/controls.h"
#include "winkit/window_dpi.h"

#include <windows.h>

namespace winkit {

class Dialog {
public:
  Dialog() = default;
  virtual ~Dialog() = default;
  Dialog(const Dialog&) = delete;
  Dialog& operator=(const Dialog&) = delete;

protected:
  // Runs the dialog over `owner` until End; returns End's result (-1 when
  // it could not be shown).
  INT_PTR ShowModal(HWND owner);
  void End(INT_PTR result) { EndDialog(hwnd_, result); }
  // Opens the dialog over `owner` without a loop of its own and shows it;
  // false when it could not be made. CloseModeless ends it (also the
  // destructor of the derived class should, while the object still lives).
  bool OpenModeless(HWND owner);
  void CloseModeless();
  HWND Handle() const { return hwnd_; }

  // WM_INITDIALOG comes first, with the handle set; return TRUE to let the
  // system set the focus. Other messages: TRUE when handled.
  virtual INT_PTR OnMessage(UINT msg, WPARAM wp, LPARAM lp) = 0;

  // Esc and the title-bar close (IDCANCEL) when OnMessage left them: a
  // modal dialog ends with IDCANCEL; a modeless one stays (its owner's
  // work ends it).
  virtual void OnCancel() {
    if (modal_) End(IDCANCEL);
  }

  // Gives the dialog a client area of the given twips at its pixels per inch
  // and centres it over its owner, or over the work area when it has none.
  void SizeClient(int widthTwips, int heightTwips);

  // The dialog's controls, made from its twips table at the dialog's pixels
  // per inch; a move to a monitor of another scaling places them again
  // (WM_DPICHANGED, when OnMessage leaves it), then calls OnDpiChanged.
  bool BuildDialogControls(std::span<const ControlSpec> table, const CustomControlFn& custom = {});
  const std::vector<HWND>& DialogControls() const { return controls_.Handles(); }
  Dpi DialogDpi() const { return WindowDpi(hwnd_); }
  virtual void OnDpiChanged(Dpi) {}

private:
  static INT_PTR CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  HWND hwnd_ = nullptr;
  bool modal_ = false;
  BuiltControls controls_;
};

} // namespace winkit
