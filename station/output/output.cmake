# Results output of ORVA.exe, portable part: the results file's texts and
# the printout's page plan and dialog records (no windows.h), built in both
# builds; host tests run natively with the sanitizers. The Win32 shell
# (output/win/) is part of orva_station_win.
add_library(orva_output_rules STATIC ${CMAKE_CURRENT_LIST_DIR}/results_file.cpp
  ${CMAKE_CURRENT_LIST_DIR}/print_layout.cpp ${CMAKE_CURRENT_LIST_DIR}/printer_records.cpp)
target_link_libraries(orva_output_rules PUBLIC orva_station_rules)

if(NOT WIN32)
  orva_host_test(station_output_test
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tests/results_file_test.cpp
            ${CMAKE_CURRENT_LIST_DIR}/tests/print_layout_test.cpp
            ${CMAKE_CURRENT_LIST_DIR}/tests/printer_records_test.cpp
    LIBS orva_output_rules)
endif()
