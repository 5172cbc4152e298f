// The GetTickCount64 slot the deliverables carry instead of importing the
// function (winkit/xp_tick_count.cpp), linked into this test program the same
// way: the program no longer imports the function, and calls through the
// slot answer as the system's clock does.
#include <windows.h>

#include <cstring>
#include <string>

#include <gtest/gtest.h>

// Declared as the thread library declares it; the build's Windows headers
// hide it, as XP lacks it.
extern "C" __declspec(dllimport) ULONGLONG WINAPI GetTickCount64();

namespace {

// Whether this program's own import table names `function` from KERNEL32.
bool ImportsFromKernel32(const char* function) {
  const auto base = reinterpret_cast<const BYTE*>(GetModuleHandleA(nullptr));
  const auto dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
  const auto nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
  const IMAGE_DATA_DIRECTORY& dir = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
  if (!dir.VirtualAddress) return false;
  for (auto d = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + dir.VirtualAddress); d->Name; ++d) {
    if (_stricmp(reinterpret_cast<const char*>(base + d->Name), "kernel32.dll") != 0) continue;
    for (auto t = reinterpret_cast<const IMAGE_THUNK_DATA*>(base + d->OriginalFirstThunk); t->u1.AddressOfData; ++t) {
      if (IMAGE_SNAP_BY_ORDINAL(t->u1.Ordinal)) continue;
      const auto byName = reinterpret_cast<const IMAGE_IMPORT_BY_NAME*>(base + t->u1.AddressOfData);
      if (std::strcmp(reinterpret_cast<const char*>(byName->Name), function) == 0) return true;
    }
  }
  return false;
}

TEST(XpTickCount, TheProgramImportsNoGetTickCount64) {
  EXPECT_TRUE(ImportsFromKernel32("GetTickCount"));  // the reader finds what is there
  EXPECT_FALSE(ImportsFromKernel32("GetTickCount64"));
}

TEST(XpTickCount, TheSlotAnswersBetweenTwoReadingsOfTheSystemClock) {
  using TickCount64 = ULONGLONG(WINAPI*)();
  const auto system = reinterpret_cast<TickCount64>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "GetTickCount64")));
  ASSERT_NE(system, nullptr);
  for (int i = 0; i < 3; ++i) { // the first call resolves the slot, the later ones use it
    const ULONGLONG before = system();
    const ULONGLONG ours = GetTickCount64();
    const ULONGLONG after = system();
    EXPECT_LE(before, ours);
    EXPECT_LE(ours, after);
  }
}

} // namespace
