# The compiled help of ORVA.exe: ORVAhelpE.chm and ORVAhelpJ.chm, built from
# the HTML here with chmcmd into the program folder, then listed with chmls
# so a help file that lost a page fails the build.
if(NOT WIN32)
  return()
endif()
find_program(ORVA_CHMCMD chmcmd)
find_program(ORVA_CHMLS chmls)
if(NOT ORVA_CHMCMD OR NOT ORVA_CHMLS)
  message(FATAL_ERROR "chmcmd/chmls not found: install the Debian package fp-utils "
                      "(scripts/install-deps.sh) to build the ORVA help files")
endif()

set(_help_src ${CMAKE_CURRENT_LIST_DIR})
set(_help_pages index measuring allowance screens alarms settings output troubleshooting)
set(_help_outputs)
foreach(_lang en ja)
  if(_lang STREQUAL "en")
    set(_chm ORVAhelpE.chm)
  else()
    set(_chm ORVAhelpJ.chm)
  endif()
  set(_work ${CMAKE_CURRENT_BINARY_DIR}/help-${_lang})
  set(_deps ${_help_src}/${_lang}/orva.hhp ${_help_src}/${_lang}/toc.hhc ${_help_src}/help.css)
  foreach(_page ${_help_pages})
    list(APPEND _deps ${_help_src}/${_lang}/${_page}.html)
  endforeach()
  add_custom_command(
    OUTPUT ${ORVA_EXE_DIR}/${_chm}
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${_work}
    COMMAND ${CMAKE_COMMAND} -E copy_directory ${_help_src}/${_lang} ${_work}
    COMMAND ${CMAKE_COMMAND} -E copy ${_help_src}/help.css ${_work}/help.css
    COMMAND ${CMAKE_COMMAND} -E chdir ${_work} ${ORVA_CHMCMD} --verbosity 0 orva.hhp
    COMMAND ${CMAKE_COMMAND} -DCHMLS=${ORVA_CHMLS} -DCHM=${_work}/orva.chm
            "-DPAGES=${_help_pages}" -P ${_help_src}/check_chm.cmake
    COMMAND ${CMAKE_COMMAND} -E make_directory ${ORVA_EXE_DIR}
    COMMAND ${CMAKE_COMMAND} -E copy ${_work}/orva.chm ${ORVA_EXE_DIR}/${_chm}
    WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
    DEPENDS ${_deps} ${_help_src}/check_chm.cmake
    COMMENT "Compiling ${_chm}"
    VERBATIM)
  list(APPEND _help_outputs ${ORVA_EXE_DIR}/${_chm})
endforeach()
add_custom_target(orva_station_help ALL DEPENDS ${_help_outputs})
