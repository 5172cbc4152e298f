#include "tools/testsupport/station_window.h"

#include "station/main_controls.h"
#include "winkit/process_window.h"

#include <cstdlib>
#include <cstring>

namespace orva::testsupport {
namespace {

struct ChildSearch {
  int id;
  HWND found;
};

BOOL CALLBACK MatchChild(HWND w, LPARAM param) {
  auto* s = reinterpret_cast<ChildSearch*>(param);
  if (GetDlgCtrlID(w) == s->id) {
    s->found = w;
    return FALSE;
  }
  return TRUE;
}

} // namespace

HWND FindStationWindow(DWORD pid) {
  return winkit::FindTopLevelWindowOfProcess(pid, [](HWND w) {
    wchar_t caption[64] = {};
    GetWindowTextW(w, caption, 64);
    return std::wcscmp(caption, kStationCaption) == 0;
  });
}

int StationControlId(const char* nameOrNumber) {
  for (int i = 0; i < kMainControlCount; ++i)
    if (std::strcmp(nameOrNumber, kMainControlNames[i]) == 0)
      return ControlId(static_cast<MainControl>(i));
  char* end = nullptr;
  const long id = std::strtol(nameOrNumber, &end, 10);
  return (end != nameOrNumber && *end == '\0') ? static_cast<int>(id) : -1;
}

HWND FindDescendantById(HWND main, int id) {
  ChildSearch search{id, nullptr};
  if (main && id >= 0) EnumChildWindows(main, MatchChild, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

} // namespace orva::testsupport
