# The device-link library as ORVA.exe calls it: MeterLink
# (station/meter_link.h) over the real meterlink.dll, bound at run time.
if(WIN32)
  add_library(orva_station_link_win STATIC ${CMAKE_CURRENT_LIST_DIR}/win/dll_meter_link.cpp)
  target_include_directories(orva_station_link_win PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(orva_station_link_win PUBLIC linkblock winkit kernel32)
endif()
