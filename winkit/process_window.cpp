#include "winkit/process_window.h"

namespace winkit {
namespace {

struct Search {
  DWORD processId;
  const WindowMatch* match;
  HWND found;
};

BOOL CALLBACK Visit(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<Search*>(param);
  if (search->processId != 0 && WindowProcessId(window) != search->processId) return TRUE;
  if (*search->match && !(*search->match)(window)) return TRUE;
  search->found = window;
  return FALSE;
}

} // namespace

DWORD WindowProcessId(HWND window) {
  DWORD owner = 0;
  if (!window || GetWindowThreadProcessId(window, &owner) == 0) return 0;
  return owner;
}

HWND FindTopLevelWindowOfProcess(DWORD processId, const WindowMatch& match) {
  Search search{processId, &match, nullptr};
  EnumWindows(Visit, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

} // namespace winkit
