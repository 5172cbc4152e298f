// ExeActive of the device-link library, bound by name at run time: the
// library is loaded from the tool's own folder at the first call, so a
// missing or broken library is met only when a window has to be checked
// (without "temp.txt" the tool never touches it).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <windows.h>

namespace orva::dirsweep {

class ExeActiveBinding {
public:
  // folder: ANSI, without a trailing backslash.
  explicit ExeActiveBinding(std::string folder);
  ~ExeActiveBinding(); // the library stays loaded until the process ends
  ExeActiveBinding(const ExeActiveBinding&) = delete;
  ExeActiveBinding& operator=(const ExeActiveBinding&) = delete;

  // True while the window exists; nullopt when the library or its export
  // cannot be bound, with `error` (ANSI) naming the file and the reason.
  // A failed binding is not retried.
  std::optional<bool> ExeActive(std::uint32_t window, std::string& error);

  bool Loaded() const { return module_ != nullptr; }

private:
  std::string folder_;
  bool tried_ = false;
  HMODULE module_ = nullptr;
  FARPROC exeActive_ = nullptr;
  std::string bindError_;
};

// The system's text for an error code, without its line end (ANSI).
std::string SystemErrorText(DWORD code);

} // namespace orva::dirsweep
