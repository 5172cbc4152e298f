# End-to-end tests: the real ORVA.exe, meterlink.dll and the meter simulator
# as separate processes (WIN32 only); the harness serves the benchmarks in
# bench/ too.
add_library(orva_e2e_harness STATIC ${CMAKE_CURRENT_LIST_DIR}/station_process.cpp)
target_link_libraries(orva_e2e_harness PUBLIC orva_stationwindow comctl32 user32)
# The programs under test must be built before the tests run.
add_dependencies(orva_e2e_harness ORVA meterlink LinkKeeper wirecore)

orva_win_test(station_e2e_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/station_e2e_test.cpp ${CMAKE_CURRENT_LIST_DIR}/run_log_e2e_test.cpp
          ${CMAKE_CURRENT_LIST_DIR}/statistics_e2e_test.cpp ${CMAKE_CURRENT_LIST_DIR}/archive_e2e_test.cpp
          ${CMAKE_CURRENT_LIST_DIR}/allowances_e2e_test.cpp
  LIBS orva_e2e_harness
  TIMEOUT 600)

# Printing on real queues: CUPS with two PDF queues (scripts/printers.sh).
target_sources(orva_e2e_harness PRIVATE ${CMAKE_CURRENT_LIST_DIR}/pdf_output.cpp)
orva_win_test(station_print_e2e_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/print_e2e_test.cpp ${CMAKE_CURRENT_LIST_DIR}/print_live_e2e_test.cpp
  LIBS orva_e2e_harness orva_printdialog orva_scenario linkkeeper_core
  TIMEOUT 900)
