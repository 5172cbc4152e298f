# The compiled help of ORVA.exe: ORVAhelpE.chm and ORVAhelpJ.chm in the
# program folder.
if(NOT WIN32)
  return()
endif()
include(${PROJECT_SOURCE_DIR}/cmake/compiled_help.cmake)
orva_compiled_help(TARGET orva_station_help SOURCE_DIR ${CMAKE_CURRENT_LIST_DIR} PROJECT orva
  PAGES index measuring allowance allowances screens alarms settings output archive troubleshooting
  EN ORVAhelpE.chm JA ORVAhelpJ.chm)
