#include "winkit/help_open.h"

#include <shellapi.h>

namespace winkit {
namespace {
ShellExecuteFn g_shellExecute = &ShellExecuteA;
} // namespace

ShellExecuteFn SetShellExecute(ShellExecuteFn fn) {
  const ShellExecuteFn previous = g_shellExecute;
  g_shellExecute = fn ? fn : &ShellExecuteA;
  return previous;
}

void OpenHelp(const std::string& helpPath) {
  g_shellExecute(nullptr, "open", helpPath.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

} // namespace winkit
