// A GDI object selected into a device context for a scope. SelectedObject
// owns what it selects: put back and deleted when the scope ends.
// SelectedFor selects a stock or borrowed object (a font someone else keeps,
// a bitmap deleted later): only put back. A null object selects nothing.
#pragma once

#include <windows.h>

namespace winkit {

class SelectedFor {
public:
  SelectedFor(HDC dc, HGDIOBJ object) : dc_(dc), old_(object ? SelectObject(dc, object) : nullptr) {}
  ~SelectedFor() {
    if (old_) SelectObject(dc_, old_);
  }
  SelectedFor(const SelectedFor&) = delete;
  SelectedFor& operator=(const SelectedFor&) = delete;

private:
  HDC dc_;
  HGDIOBJ old_;
};

class SelectedObject {
public:
  SelectedObject(HDC dc, HGDIOBJ object) : object_(object), selection_(dc, object) {}
  ~SelectedObject() = default;
  SelectedObject(const SelectedObject&) = delete;
  SelectedObject& operator=(const SelectedObject&) = delete;

private:
  // Deleted after the selection has put the old object back.
  struct Deleter {
    HGDIOBJ object;
    ~Deleter() {
      if (object) DeleteObject(object);
    }
  } object_;
  SelectedFor selection_;
};

} // namespace winkit
