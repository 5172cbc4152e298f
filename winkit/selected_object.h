// A GDI object selected into a device context for a scope: put back and
// deleted when the scope ends.
#pragma once

#include <windows.h>

namespace winkit {

class SelectedObject {
public:
  SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), object_(object), old_(SelectObject(dc, object)) {}
  ~SelectedObject() {
    SelectObject(dc_, old_);
    DeleteObject(object_);
  }
  SelectedObject(const SelectedObject&) = delete;
  SelectedObject& operator=(const SelectedObject&) = delete;

private:
  HDC dc_;
  HGDIOBJ object_;
  HGDIOBJ old_;
};

} // namespace winkit
