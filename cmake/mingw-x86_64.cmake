# The twin: the same programs and tests as x86-64 Windows programs, run under
# 64-bit Wine where the machine cannot run 32-bit code.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(ORVA_MINGW_TRIPLE x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
