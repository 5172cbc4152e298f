# The measurement program ORVA.exe (WIN32 only).
#  orva_station_win : the window layer (main window, grid, frames, the
#                     library binding and the run's screen), linked by the
#                     program and by the in-process Windows tests
#  ORVA             : the program itself, placed in the program folder
#  station_win_test : in-process tests of the real main window with a fake link
add_library(orva_station_win STATIC
  win/device_events.cpp win/run_screen.cpp
  win/lifecycle.cpp win/main_window.cpp win/picture_box.cpp
  win/readings_grid.cpp win/window_commands.cpp win/dialog_commands.cpp)
target_link_libraries(orva_station_win PUBLIC
  orva_station_rules orva_station_settings_win orva_output_win orva_stats_win orva_station_link_win orva_archive_win
  orva_allowances_win linkblock winkit comctl32 gdi32 msimg32 user32)

add_executable(ORVA WIN32 win/main.cpp res/ORVA.rc)
# windres does not report what a script includes: the icon and the manifest.
set_source_files_properties(res/ORVA.rc PROPERTIES
  OBJECT_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/res/ORVA.manifest;${CMAKE_CURRENT_SOURCE_DIR}/res/orva.ico")
target_link_libraries(ORVA PRIVATE orva_station_win)
orva_deliverable(ORVA)

orva_win_test(station_win_test
  SOURCES tests/win/station_fixture.cpp tests/win/display_test.cpp tests/win/device_events_test.cpp
          tests/win/run_control_test.cpp tests/win/lifecycle_test.cpp tests/win/layout_test.cpp
          tests/win/results_save_test.cpp output/tests/win/results_print_test.cpp
          output/tests/win/printer_test.cpp
  LIBS orva_station_win orva_printdialog orva_testfiles
  TIMEOUT 300)

# Every window at the scaling the prefix is set to, run at 96, 144 and 192 dpi.
orva_win_test(station_display_scaling_win_test
  SOURCES tests/win/display_scaling_test.cpp tests/win/station_fixture.cpp res/ORVA.rc
  LIBS orva_station_win orva_textfit orva_testfiles
  TIMEOUT 300
  AT_DPI 96 144 192)

# The settings dialog, the about box and help (Tool > Setting, Help > Help,
# Help > Version); the compiled help files go beside the program.
include(${PROJECT_SOURCE_DIR}/help/station/help.cmake)

orva_win_test(station_dialogs_win_test
  SOURCES settings/tests/dialogs_win_test.cpp tests/win/station_fixture.cpp res/ORVA.rc
  LIBS orva_station_win orva_testfiles
  DEPENDS ORVA orva_station_help
  TIMEOUT 180)
