# Results output of ORVA.exe, portable part: the results file's texts (no
# windows.h), built in both builds; host tests run natively with the
# sanitizers. The Win32 shell (output/win/) is part of orva_station_win.
add_library(orva_output_rules STATIC ${CMAKE_CURRENT_LIST_DIR}/results_file.cpp)
target_link_libraries(orva_output_rules PUBLIC orva_station_rules)

if(NOT WIN32)
  orva_host_test(station_output_test
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tests/results_file_test.cpp
    LIBS orva_output_rules)
endif()
