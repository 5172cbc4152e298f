# Results output of ORVA.exe, portable part: the results file's texts and
# the printout's page plan and dialog records (no windows.h), built in both
# builds; host tests run natively with the sanitizers. The Win32 shell
# (output/win/: save and print commands, the printer object) is orva_output_win.
add_library(orva_output_rules STATIC ${CMAKE_CURRENT_LIST_DIR}/results_file.cpp
  ${CMAKE_CURRENT_LIST_DIR}/print_layout.cpp ${CMAKE_CURRENT_LIST_DIR}/print_progress.cpp
  ${CMAKE_CURRENT_LIST_DIR}/printer_records.cpp)
target_link_libraries(orva_output_rules PUBLIC orva_station_rules)

if(NOT WIN32)
  orva_host_test(station_output_test
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tests/results_file_test.cpp
            ${CMAKE_CURRENT_LIST_DIR}/tests/print_layout_test.cpp
            ${CMAKE_CURRENT_LIST_DIR}/tests/printer_records_test.cpp
            ${CMAKE_CURRENT_LIST_DIR}/tests/print_progress_test.cpp
    LIBS orva_output_rules)
endif()

if(WIN32)
  add_library(orva_output_win STATIC
    ${CMAKE_CURRENT_LIST_DIR}/win/results_save.cpp ${CMAKE_CURRENT_LIST_DIR}/win/save_dialog.cpp
    ${CMAKE_CURRENT_LIST_DIR}/win/output_files.cpp ${CMAKE_CURRENT_LIST_DIR}/win/printer.cpp
    ${CMAKE_CURRENT_LIST_DIR}/win/printer_dialog.cpp ${CMAKE_CURRENT_LIST_DIR}/win/printing_dialog.cpp
    ${CMAKE_CURRENT_LIST_DIR}/win/results_print.cpp ${CMAKE_CURRENT_LIST_DIR}/win/run_log_file.cpp)
  target_link_libraries(orva_output_win PUBLIC orva_output_rules winkit comdlg32 gdi32 winspool)
endif()
