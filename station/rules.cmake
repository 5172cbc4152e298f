# Portable rules of ORVA.exe and its settings unit (no windows.h), built in
# both builds; their host tests run natively with the sanitizers.
add_library(orva_station_rules STATIC
  ${CMAKE_CURRENT_SOURCE_DIR}/numeric_text.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/judgement.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/reading.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/run_log_queue.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/grid_scroll.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/limit_check.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/alarm_text.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/settings/text_table.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/settings/ini_rules.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/settings/fonts.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/settings/main_layout.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/settings/main_captions.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/settings/dialog_rules.cpp)
# Clients include "numeric_text.h", "settings/text_table.h".
target_include_directories(orva_station_rules PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(orva_station_rules PUBLIC winkit_portable)

if(WIN32)
  # The settings file, the fonts and the captions on real windows.
  add_library(orva_station_settings_win STATIC
    ${CMAKE_CURRENT_SOURCE_DIR}/settings/win/settings_file.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/settings/win/fonts_win.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/settings/win/main_captions_win.cpp)
  target_link_libraries(orva_station_settings_win PUBLIC orva_station_rules winkit)

  orva_win_test(station_settings_win_test
    SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/settings/tests/settings_file_test.cpp
            ${CMAKE_CURRENT_SOURCE_DIR}/settings/tests/main_captions_win_test.cpp
            ${CMAKE_CURRENT_SOURCE_DIR}/settings/tests/rules_on_windows_test.cpp
    LIBS orva_station_settings_win
    TIMEOUT 120)
else()
  orva_host_test(station_rules_test
    SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/tests/numeric_text_test.cpp
            ${CMAKE_CURRENT_SOURCE_DIR}/tests/reading_rules_test.cpp
            ${CMAKE_CURRENT_SOURCE_DIR}/tests/run_log_queue_test.cpp
            ${CMAKE_CURRENT_SOURCE_DIR}/tests/alarm_text_test.cpp
            ${CMAKE_CURRENT_SOURCE_DIR}/settings/tests/text_table_test.cpp
            ${CMAKE_CURRENT_SOURCE_DIR}/settings/tests/ini_rules_test.cpp
            ${CMAKE_CURRENT_SOURCE_DIR}/settings/tests/main_layout_test.cpp
            ${CMAKE_CURRENT_SOURCE_DIR}/settings/tests/main_captions_test.cpp
            ${CMAKE_CURRENT_SOURCE_DIR}/settings/tests/dialog_rules_test.cpp
    LIBS orva_station_rules)
endif()
