# The settings unit of ORVA.exe (station/settings/).
#  orva_settings_rules       : portable rules (text table, settings values, fonts,
#                              layout, captions, keyboard, dialog rules), both builds
#  orva_station_settings_win : the settings file, fonts and captions on real
#                              windows, the settings dialog and the about box
add_library(orva_settings_rules STATIC
  ${CMAKE_CURRENT_LIST_DIR}/text_table.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ini_rules.cpp
  ${CMAKE_CURRENT_LIST_DIR}/fonts.cpp
  ${CMAKE_CURRENT_LIST_DIR}/main_layout.cpp
  ${CMAKE_CURRENT_LIST_DIR}/main_captions.cpp
  ${CMAKE_CURRENT_LIST_DIR}/shortcuts.cpp
  ${CMAKE_CURRENT_LIST_DIR}/dialog_rules.cpp)
target_include_directories(orva_settings_rules PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(orva_settings_rules PUBLIC winkit_portable)

if(WIN32)
  add_library(orva_station_settings_win STATIC
    ${CMAKE_CURRENT_LIST_DIR}/win/settings_file.cpp
    ${CMAKE_CURRENT_LIST_DIR}/win/fonts_win.cpp
    ${CMAKE_CURRENT_LIST_DIR}/win/main_captions_win.cpp
    ${CMAKE_CURRENT_LIST_DIR}/win/settings_dialog.cpp
    ${CMAKE_CURRENT_LIST_DIR}/win/about_box.cpp)
  target_link_libraries(orva_station_settings_win PUBLIC orva_settings_rules orva_station_rules winkit)

  orva_win_test(station_settings_win_test
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tests/settings_file_test.cpp
            ${CMAKE_CURRENT_LIST_DIR}/tests/main_captions_win_test.cpp
            ${CMAKE_CURRENT_LIST_DIR}/tests/rules_on_windows_test.cpp
    LIBS orva_station_settings_win
    TIMEOUT 120)
else()
  orva_host_test(station_settings_test
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tests/text_table_test.cpp
            ${CMAKE_CURRENT_LIST_DIR}/tests/ini_rules_test.cpp
            ${CMAKE_CURRENT_LIST_DIR}/tests/main_layout_test.cpp
            ${CMAKE_CURRENT_LIST_DIR}/tests/main_captions_test.cpp
            ${CMAKE_CURRENT_LIST_DIR}/tests/dialog_rules_test.cpp
            ${CMAKE_CURRENT_LIST_DIR}/tests/shortcuts_test.cpp
    LIBS orva_settings_rules)
endif()
