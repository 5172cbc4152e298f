// Window: the one base of the repository's windows. The class is registered
// on first use, `this` is stored at WM_NCCREATE and cleared at WM_NCDESTROY,
// and every message in between reaches the derived class's OnMessage, which
// dispatches to short OnX handlers. The guard sits in the base procedure, so
// an exception in any handler ends the program with its error box.
#pragma once

#include <memory>
#include <utility>
#include <windows.h>

namespace winkit {

struct WindowClass {
  const wchar_t* name;
  UINT style = 0;
  HICON icon = nullptr;    // nullptr: none
  HCURSOR cursor = nullptr; // nullptr: the arrow
  HBRUSH background = nullptr;
};

class Window {
public:
  Window() = default;
  virtual ~Window();
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  HWND Handle() const { return hwnd_; }

  // Hands the object over to its window: it is deleted after WM_NCDESTROY.
  // The one way a window object ends with its window; CreateOwnedByWindow
  // below does it for objects made only for their window.
  void DeleteWithWindow() { deleteWithWindow_ = true; }

  // The object behind a window created through this base, if it is a T.
  template <class T>
  static T* FromHandle(HWND hwnd) {
    return dynamic_cast<T*>(Lookup(hwnd));
  }

protected:
  // Registers `cls` once (per class name) and creates the window with this
  // object behind it. The handle is known to OnMessage from WM_NCCREATE on.
  HWND CreateWin(const WindowClass& cls, DWORD exStyle, DWORD style, const wchar_t* title, int x, int y,
                 int width, int height, HWND parent, HMENU menuOrId);

  // Every message from WM_NCCREATE to WM_NCDESTROY; default DefWindowProcW.
  virtual LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp);
  LRESULT Default(UINT msg, WPARAM wp, LPARAM lp) { return DefWindowProcW(hwnd_, msg, wp, lp); }

private:
  static Window* Lookup(HWND hwnd);
  static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  HWND hwnd_ = nullptr;
  bool deleteWithWindow_ = false;
};

// Makes the window of `object` (T::Create(createArgs...) returns its handle)
// and hands the object over to it; nullptr, the object deleted, when the
// window could not be made. For custom controls, frames and pieces:
//   return CreateOwnedByWindow(std::make_unique<Banner>(), parent, id, pixels);
template <class T, class... Args>
HWND CreateOwnedByWindow(std::unique_ptr<T> object, Args&&... createArgs) {
  const HWND hwnd = object->Create(std::forward<Args>(createArgs)...);
  if (hwnd) object.release()->DeleteWithWindow();
  return hwnd;
}

} // namespace winkit
