# Named allowances of ORVA.exe: the list and its rules, the list file's and
# the import's CSV form, the allowance in use (portable, both builds; host
# tests with the sanitizers); the Allowances dialog, the list file on disk and
# the station's side (WIN32).
add_library(orva_allowances_rules STATIC
  ${CMAKE_CURRENT_LIST_DIR}/allowance_entry.cpp ${CMAKE_CURRENT_LIST_DIR}/allowance_list.cpp
  ${CMAKE_CURRENT_LIST_DIR}/allowance_csv.cpp ${CMAKE_CURRENT_LIST_DIR}/active_allowance.cpp
  ${CMAKE_CURRENT_LIST_DIR}/allowances_layout.cpp ${CMAKE_CURRENT_LIST_DIR}/named_allowances.cpp
  ${CMAKE_CURRENT_LIST_DIR}/allowance_import.cpp)
target_link_libraries(orva_allowances_rules PUBLIC orva_station_rules winkit_portable)

if(NOT WIN32)
  orva_host_test(station_allowances_test
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tests/allowance_entry_test.cpp
            ${CMAKE_CURRENT_LIST_DIR}/tests/allowance_list_test.cpp
            ${CMAKE_CURRENT_LIST_DIR}/tests/allowance_csv_test.cpp
            ${CMAKE_CURRENT_LIST_DIR}/tests/active_allowance_test.cpp
            ${CMAKE_CURRENT_LIST_DIR}/tests/named_allowances_test.cpp
    LIBS orva_allowances_rules)
endif()

if(WIN32)
  add_library(orva_allowances_win STATIC
    ${CMAKE_CURRENT_LIST_DIR}/win/allowance_files.cpp ${CMAKE_CURRENT_LIST_DIR}/win/allowance_entry_dialog.cpp
    ${CMAKE_CURRENT_LIST_DIR}/win/allowances_dialog.cpp ${CMAKE_CURRENT_LIST_DIR}/win/station_allowances.cpp)
  target_link_libraries(orva_allowances_win PUBLIC
    orva_allowances_rules orva_output_win orva_station_settings_win winkit comctl32 comdlg32)
endif()

if(WIN32)
  orva_win_test(station_allowances_win_test
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tests/win/allowance_files_test.cpp
    LIBS orva_allowances_win orva_testfiles
    TIMEOUT 60)
endif()
