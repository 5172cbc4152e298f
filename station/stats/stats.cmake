# Run statistics of ORVA.exe: the figures of the current run, the geometry
# of its run chart and histogram, the window's layout (portable, both builds,
# host tests with the sanitizers), and the statistics window (WIN32).
add_library(orva_stats_rules STATIC
  ${CMAKE_CURRENT_LIST_DIR}/running_moments.cpp ${CMAKE_CURRENT_LIST_DIR}/run_statistics.cpp
  ${CMAKE_CURRENT_LIST_DIR}/capability.cpp ${CMAKE_CURRENT_LIST_DIR}/figure_format.cpp
  ${CMAKE_CURRENT_LIST_DIR}/stats_figures.cpp ${CMAKE_CURRENT_LIST_DIR}/chart_geometry.cpp
  ${CMAKE_CURRENT_LIST_DIR}/stats_layout.cpp)
target_link_libraries(orva_stats_rules PUBLIC orva_station_rules orva_output_rules winkit_portable)

if(NOT WIN32)
  orva_host_test(station_stats_test
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tests/run_statistics_test.cpp
            ${CMAKE_CURRENT_LIST_DIR}/tests/stats_figures_test.cpp
            ${CMAKE_CURRENT_LIST_DIR}/tests/chart_geometry_test.cpp
    LIBS orva_stats_rules)
endif()
