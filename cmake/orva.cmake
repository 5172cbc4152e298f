# Small helpers shared by the subdirectories.

# orva_runs_on_xp(target): the program imports nothing Windows XP SP3 lacks.
# The static thread library of the compiler imports GetTickCount64 (Vista);
# winkit/xp_tick_count.cpp takes its place. scripts/check-imports.sh checks.
function(orva_runs_on_xp target)
  target_sources(${target} PRIVATE $<TARGET_OBJECTS:winkit_xp_tick_count>)
endfunction()

# orva_deliverable(target): places a Windows program or DLL in the program
# folder (EXE) instead of the test folder.
function(orva_deliverable target)
  set_target_properties(${target} PROPERTIES
    RUNTIME_OUTPUT_DIRECTORY ${ORVA_EXE_DIR}
    LIBRARY_OUTPUT_DIRECTORY ${ORVA_EXE_DIR})
  orva_runs_on_xp(${target})
endfunction()

# orva_host_test(name SOURCES... LIBS...): a native GoogleTest program, one ctest entry.
function(orva_host_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest_main)
  add_test(NAME ${name} COMMAND ${name})
endfunction()

# orva_win_test(name SOURCES... LIBS... [TIMEOUT s] [AT_DPI dpi...]): a Windows
# GoogleTest program run by ctest under Wine, with the program folder (EXE) as
# its current directory so that "..\EXE\..." paths resolve as on an installed
# PC. With AT_DPI it runs once per value, as name_<dpi>dpi, with the prefix's
# display scaling set to it for the run (scripts/at-dpi.sh).
function(orva_win_test name)
  cmake_parse_arguments(T "" "TIMEOUT" "SOURCES;LIBS;DEPENDS;AT_DPI" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest_main)
  if(T_DEPENDS)
    add_dependencies(${name} ${T_DEPENDS})
  endif()
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 300)
  endif()
  set(runs)
  if(T_AT_DPI)
    foreach(dpi ${T_AT_DPI})
      add_test(NAME ${name}_${dpi}dpi
        COMMAND bash ${PROJECT_SOURCE_DIR}/scripts/at-dpi.sh ${dpi} $<TARGET_FILE:${name}>
        WORKING_DIRECTORY ${ORVA_EXE_DIR})
      list(APPEND runs ${name}_${dpi}dpi)
    endforeach()
  else()
    add_test(NAME ${name} COMMAND ${name} WORKING_DIRECTORY ${ORVA_EXE_DIR})
    set(runs ${name})
  endif()
  set_tests_properties(${runs} PROPERTIES TIMEOUT ${T_TIMEOUT})
endfunction()

include(${CMAKE_CURRENT_LIST_DIR}/installer_scenario.cmake)
