# Shared by the two Windows toolchains; each sets ORVA_MINGW_TRIPLE and
# CMAKE_SYSTEM_PROCESSOR first. The posix-thread compilers are needed:
# GoogleTest uses std::mutex.
set(CMAKE_SYSTEM_NAME Windows)

set(CMAKE_C_COMPILER   ${ORVA_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ORVA_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER  ${ORVA_MINGW_TRIPLE}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${ORVA_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# Tests run under Wine; ctest prefixes every Windows test command with this:
# our wrapper, told which loader this build's programs need.
get_filename_component(_orva_root ${CMAKE_CURRENT_LIST_DIR}/.. ABSOLUTE)
set(CMAKE_CROSSCOMPILING_EMULATOR
    env ORVA_WIN_ARCH=${CMAKE_SYSTEM_PROCESSOR} ${_orva_root}/scripts/winebin/wine)
