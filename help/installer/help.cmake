# The installer's help: SetuphelpEN.chm and SetuphelpJP.chm in the program
# folder (the install disk takes them from there).
if(NOT WIN32)
  return()
endif()
include(${PROJECT_SOURCE_DIR}/cmake/compiled_help.cmake)
orva_compiled_help(TARGET orva_installer_help SOURCE_DIR ${CMAKE_CURRENT_LIST_DIR} PROJECT setup
  PAGES index prepare setup wizard driver messages uninstall
  EN SetuphelpEN.chm JA SetuphelpJP.chm)
