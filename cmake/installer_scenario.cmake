# Installer scenarios: a Windows test program run inside a fresh Wine prefix
# that reports a chosen Windows version, with the install disk on drive E:
# (scripts/installer-scenario.sh does the work; README "Installer scenarios").

# The install disk folder and its image (built by disk/).
set(ORVA_DISK_DIR ${CMAKE_BINARY_DIR}/disk)
set(ORVA_DISK_ISO ${CMAKE_BINARY_DIR}/ORVA-disk.iso)

# orva_scenario_program(name SOURCES... LIBS...): a GoogleTest program meant
# to run inside scenarios only (ctest never runs it in the shared prefix).
# Building it builds the install disk first.
function(orva_scenario_program name)
  cmake_parse_arguments(P "" "" "SOURCES;LIBS;DEPENDS" ${ARGN})
  add_executable(${name} ${P_SOURCES})
  target_link_libraries(${name} PRIVATE ${P_LIBS} GTest::gtest_main)
  add_dependencies(${name} orva_disk ${P_DEPENDS})
endfunction()

# orva_installer_scenario(NAME WINVER TEST FILTER [TIMEOUT s] [SHOTS])
#   NAME    ctest name, also the scenario's folder build/win/scenarios/NAME
#   WINVER  the version the prefix reports, a Wine version name: win98 (kind 1),
#           winxp or win10 (kind 2), nt40 (kind 3), also win95, winme, win2k, win7
#   TEST    a target made with orva_scenario_program
#   FILTER  a --gtest_filter pattern ("*" for all)
#   SHOTS   run on a virtual display so SaveScreenshot() works; the pictures
#           land in build/win/scenarios/shots/NAME
function(orva_installer_scenario name winver test filter)
  cmake_parse_arguments(S "SHOTS" "TIMEOUT" "" ${ARGN})
  if(NOT S_TIMEOUT)
    set(S_TIMEOUT 300)
  endif()
  set(shots)
  if(S_SHOTS)
    set(shots --shots)
  endif()
  add_test(NAME ${name}
    COMMAND env ORVA_WIN_ARCH=${CMAKE_SYSTEM_PROCESSOR}
            bash ${PROJECT_SOURCE_DIR}/scripts/installer-scenario.sh
            --name ${name} --winver ${winver} --filter ${filter} --build ${CMAKE_BINARY_DIR}
            --disk ${ORVA_DISK_DIR} ${shots} -- $<TARGET_FILE:${test}>)
  set_tests_properties(${name} PROPERTIES TIMEOUT ${S_TIMEOUT} LABELS scenario)
endfunction()
