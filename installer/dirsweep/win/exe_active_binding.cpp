#include "installer/dirsweep/win/exe_active_binding.h"

#include "devlink/meterlink_api.h"

#include <utility>

namespace orva::dirsweep {
namespace {

constexpr char kLibraryFile[] = "METERLINK.DLL";

} // namespace

std::string SystemErrorText(DWORD code) {
  char* text = nullptr;
  const DWORD n = FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                     FORMAT_MESSAGE_IGNORE_INSERTS,
                                 nullptr, code, 0, reinterpret_cast<char*>(&text), 0, nullptr);
  std::string result = n && text ? std::string(text, n) : "error " + std::to_string(code);
  if (text) LocalFree(text);
  while (!result.empty() && (result.back() == '\n' || result.back() == '\r' || result.back() == ' ' ||
                             result.back() == '.'))
    result.pop_back();
  return result;
}

ExeActiveBinding::ExeActiveBinding(std::string folder) : folder_(std::move(folder)) {}

ExeActiveBinding::~ExeActiveBinding() = default;

std::optional<bool> ExeActiveBinding::ExeActive(std::uint32_t window, std::string& error) {
  if (!tried_) {
    tried_ = true;
    // The full path: the tool's folder and nothing else on the search path.
    const std::string path = folder_ + "\\" + kLibraryFile;
    module_ = LoadLibraryA(path.c_str());
    if (!module_) {
      bindError_ = path + ": " + SystemErrorText(GetLastError());
    } else {
      exeActive_ = GetProcAddress(module_, "ExeActive");
      if (!exeActive_) bindError_ = path + ": ExeActive: " + SystemErrorText(GetLastError());
    }
  }
  if (!exeActive_) {
    error = bindError_;
    return std::nullopt;
  }
  auto fn = reinterpret_cast<devlink::ExeActiveFn>(reinterpret_cast<void*>(exeActive_));
  return fn(window) != 0;
}

} // namespace orva::dirsweep
