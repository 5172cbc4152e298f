# The run archive of ORVA.exe, portable part: the archived runs' names, the
# run record, keeping a run in the spool, delivering the spool to the
# archive folder, and reading a results file back (both builds; host tests
# with the sanitizers).
add_library(orva_archive_rules STATIC
  ${CMAKE_CURRENT_LIST_DIR}/archive_name.cpp ${CMAKE_CURRENT_LIST_DIR}/run_record.cpp
  ${CMAKE_CURRENT_LIST_DIR}/run_keeper.cpp ${CMAKE_CURRENT_LIST_DIR}/archive_delivery.cpp
  ${CMAKE_CURRENT_LIST_DIR}/archived_run.cpp ${CMAKE_CURRENT_LIST_DIR}/archive_list.cpp
  ${CMAKE_CURRENT_LIST_DIR}/archive_settings.cpp)
target_link_libraries(orva_archive_rules PUBLIC orva_stats_rules orva_output_rules orva_station_rules)

if(NOT WIN32)
  orva_host_test(station_archive_test
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tests/archive_name_test.cpp
            ${CMAKE_CURRENT_LIST_DIR}/tests/run_record_test.cpp
            ${CMAKE_CURRENT_LIST_DIR}/tests/archived_run_test.cpp
            ${CMAKE_CURRENT_LIST_DIR}/tests/run_keeping_test.cpp
            ${CMAKE_CURRENT_LIST_DIR}/tests/archive_list_test.cpp
            ${CMAKE_CURRENT_LIST_DIR}/tests/archive_settings_test.cpp
    LIBS orva_archive_rules)
endif()

if(WIN32)
  # The files on disk and the courier thread that delivers the spool.
  add_library(orva_archive_win STATIC
    ${CMAKE_CURRENT_LIST_DIR}/win/archive_files.cpp ${CMAKE_CURRENT_LIST_DIR}/win/archive_courier.cpp
    ${CMAKE_CURRENT_LIST_DIR}/win/run_archive_window.cpp ${CMAKE_CURRENT_LIST_DIR}/win/station_archive.cpp)
  target_link_libraries(orva_archive_win PUBLIC
    orva_archive_rules orva_output_win orva_stats_win orva_station_settings_win winkit comctl32 shell32)

  orva_win_test(station_archive_win_test
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tests/win/archive_files_test.cpp
            ${CMAKE_CURRENT_LIST_DIR}/tests/win/run_archive_window_test.cpp
    LIBS orva_archive_win orva_testfiles
    TIMEOUT 120)
endif()
