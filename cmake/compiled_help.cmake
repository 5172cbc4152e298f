# orva_compiled_help(TARGET t SOURCE_DIR dir PROJECT name PAGES p... EN file.chm JA file.chm)
# Compiles the English (dir/en) and Japanese (dir/ja) HTML help with chmcmd
# into the program folder under the given names, then lists each result with
# chmls so a help file that lost a page fails the build. Each language folder
# holds <name>.hhp (compiling to <name>.chm), toc.hhc and the pages; the style
# sheet help/help.css is shared by every help file.
find_program(ORVA_CHMCMD chmcmd)
find_program(ORVA_CHMLS chmls)

function(orva_compiled_help)
  cmake_parse_arguments(H "" "TARGET;SOURCE_DIR;PROJECT;EN;JA" "PAGES" ${ARGN})
  if(NOT ORVA_CHMCMD OR NOT ORVA_CHMLS)
    message(FATAL_ERROR "chmcmd/chmls not found: install the Debian package fp-utils "
                        "(scripts/install-deps.sh) to build the help files")
  endif()
  set(outputs)
  foreach(lang en ja)
    if(lang STREQUAL "en")
      set(chm ${H_EN})
    else()
      set(chm ${H_JA})
    endif()
    set(work ${CMAKE_CURRENT_BINARY_DIR}/${H_TARGET}-${lang})
    set(deps ${H_SOURCE_DIR}/${lang}/${H_PROJECT}.hhp ${H_SOURCE_DIR}/${lang}/toc.hhc
             ${PROJECT_SOURCE_DIR}/help/help.css)
    foreach(page ${H_PAGES})
      list(APPEND deps ${H_SOURCE_DIR}/${lang}/${page}.html)
    endforeach()
    add_custom_command(
      OUTPUT ${ORVA_EXE_DIR}/${chm}
      COMMAND ${CMAKE_COMMAND} -E rm -rf ${work}
      COMMAND ${CMAKE_COMMAND} -E copy_directory ${H_SOURCE_DIR}/${lang} ${work}
      COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/help/help.css ${work}/help.css
      COMMAND ${CMAKE_COMMAND} -E chdir ${work} ${ORVA_CHMCMD} --verbosity 0 ${H_PROJECT}.hhp
      COMMAND ${CMAKE_COMMAND} -DCHMLS=${ORVA_CHMLS} -DCHM=${work}/${H_PROJECT}.chm
              "-DPAGES=${H_PAGES}" -P ${PROJECT_SOURCE_DIR}/cmake/check_chm.cmake
      COMMAND ${CMAKE_COMMAND} -E make_directory ${ORVA_EXE_DIR}
      COMMAND ${CMAKE_COMMAND} -E copy ${work}/${H_PROJECT}.chm ${ORVA_EXE_DIR}/${chm}
      WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
      DEPENDS ${deps} ${PROJECT_SOURCE_DIR}/cmake/check_chm.cmake
      COMMENT "Compiling ${chm}"
      VERBATIM)
    list(APPEND outputs ${ORVA_EXE_DIR}/${chm})
  endforeach()
  add_custom_target(${H_TARGET} ALL DEPENDS ${outputs})
endfunction()
