// Subclassing a window: its procedure is replaced with SetWindowLongPtrA (the
// ANSI road, as the link's messages carry no text) and the previous one is
// called for everything after. ForwardGuarded runs the subclass's own work
// inside the guard, so an exception there ends the program with its error
// box instead of crossing the system's frames.
#pragma once

#include <functional>
#include <windows.h>

namespace winkit {

// Installs `proc`; returns the procedure in place before (nullptr on failure).
WNDPROC SubclassWindow(HWND window, WNDPROC proc);
// Puts `previous` back.
void RestoreWindowProc(HWND window, WNDPROC previous);

// Runs `handler` (may be empty) inside the guard, then passes the message on
// to `previous` (CallWindowProcA), or to DefWindowProcA when there is none.
LRESULT ForwardGuarded(WNDPROC previous, HWND hwnd, UINT msg, WPARAM wp, LPARAM lp,
                       const std::function<void()>& handler);

// An object behind a standard control (a list-view, an edit) of this
// process: the control's procedure is replaced (the UTF-16 road), `this` is
// kept in a window property, every message reaches OnMessage inside the
// guard, and the control's own procedure gets what OnMessage passes on. At
// WM_NCDESTROY the object lets go by itself.
class ControlSubclass {
public:
  ControlSubclass() = default;
  virtual ~ControlSubclass() { Release(); }
  ControlSubclass(const ControlSubclass&) = delete;
  ControlSubclass& operator=(const ControlSubclass&) = delete;

  // False when the control is no window or already has an object.
  bool Attach(HWND control);
  // Puts the control's own procedure back (when still ours) and forgets it.
  void Release();
  HWND Handle() const { return hwnd_; }

  template <class T>
  static T* FromHandle(HWND control) {
    return dynamic_cast<T*>(Lookup(control));
  }

protected:
  // Default: the control's own procedure.
  virtual LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp) { return CallPrevious(msg, wp, lp); }
  LRESULT CallPrevious(UINT msg, WPARAM wp, LPARAM lp);

private:
  static ControlSubclass* Lookup(HWND control);
  static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  HWND hwnd_ = nullptr;
  WNDPROC previous_ = nullptr;
};

} // namespace winkit
