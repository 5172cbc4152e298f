# Portable rules of ORVA.exe (station/, no windows.h), built in both builds;
# their host tests run natively with the sanitizers.
add_library(orva_station_rules STATIC
  ${CMAKE_CURRENT_LIST_DIR}/numeric_text.cpp
  ${CMAKE_CURRENT_LIST_DIR}/judgement.cpp
  ${CMAKE_CURRENT_LIST_DIR}/reading.cpp
  ${CMAKE_CURRENT_LIST_DIR}/run_log_queue.cpp
  ${CMAKE_CURRENT_LIST_DIR}/grid_scroll.cpp
  ${CMAKE_CURRENT_LIST_DIR}/grid_cells.cpp
  ${CMAKE_CURRENT_LIST_DIR}/limit_check.cpp
  ${CMAKE_CURRENT_LIST_DIR}/alarm_text.cpp
  ${CMAKE_CURRENT_LIST_DIR}/run_flow.cpp
  ${CMAKE_CURRENT_LIST_DIR}/station_session.cpp)
# Clients include from the repository root: "station/numeric_text.h".
target_include_directories(orva_station_rules PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(orva_station_rules PUBLIC orva_settings_rules linkblock)

if(NOT WIN32)
  orva_host_test(station_rules_test
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tests/numeric_text_test.cpp
            ${CMAKE_CURRENT_LIST_DIR}/tests/reading_rules_test.cpp
            ${CMAKE_CURRENT_LIST_DIR}/tests/run_log_queue_test.cpp
            ${CMAKE_CURRENT_LIST_DIR}/tests/grid_cells_test.cpp
            ${CMAKE_CURRENT_LIST_DIR}/tests/alarm_text_test.cpp
            ${CMAKE_CURRENT_LIST_DIR}/tests/run_flow_test.cpp
            ${CMAKE_CURRENT_LIST_DIR}/tests/station_session_test.cpp
    LIBS orva_station_rules)
endif()
