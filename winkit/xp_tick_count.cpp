// GetTickCount64 for programs that must start on Windows XP.
//
// XP has no GetTickCount64 (it came with Vista), yet the compiler's static
// thread library imports it for its wait timeouts, and Windows refuses to
// start a program that imports a function the system lacks. This object
// defines that import's slot itself, so the linker takes no import from
// KERNEL32 for it: the slot starts at a function that looks up the system's
// GetTickCount64 once, and where there is none counts milliseconds from the
// performance counter, which every XP has. Linked into the deliverables by
// orva_runs_on_xp (cmake/orva.cmake); scripts/check-imports.sh proves the
// import is gone.
#include <windows.h>

namespace {

using TickCount64 = ULONGLONG(WINAPI*)();

ULONGLONG WINAPI PerformanceCounterMilliseconds() {
  LARGE_INTEGER frequency{}, count{};
  if (!QueryPerformanceFrequency(&frequency) || frequency.QuadPart <= 0 || !QueryPerformanceCounter(&count))
    return GetTickCount();
  const auto f = static_cast<ULONGLONG>(frequency.QuadPart);
  const auto c = static_cast<ULONGLONG>(count.QuadPart);
  // Split so the product cannot overflow however long the machine has run.
  return c / f * 1000 + c % f * 1000 / f;
}

ULONGLONG WINAPI FirstTickCount64();

} // namespace

// The name the import libraries give the slot: stdcall-decorated in 32-bit code.
#ifdef _WIN64
#define ORVA_TICK_COUNT64_SLOT "__imp_GetTickCount64"
#else
#define ORVA_TICK_COUNT64_SLOT "__imp__GetTickCount64@0"
#endif
extern "C" {
TickCount64 orva_tick_count64_slot __asm__(ORVA_TICK_COUNT64_SLOT) = FirstTickCount64;
}

namespace {

ULONGLONG WINAPI FirstTickCount64() {
  const HMODULE kernel = GetModuleHandleA("kernel32.dll");
  const auto system = kernel ? reinterpret_cast<TickCount64>(
                                   reinterpret_cast<void*>(GetProcAddress(kernel, "GetTickCount64")))
                             : nullptr;
  // Two threads may both get here: they store the same pointer.
  orva_tick_count64_slot = system ? system : PerformanceCounterMilliseconds;
  return orva_tick_count64_slot();
}

} // namespace
