# Lays out the install disk folder afresh from the manifest written at
# configure time: one "<source>\t<name on the disk>" line per file.
file(REMOVE_RECURSE ${DISK})
file(MAKE_DIRECTORY ${DISK})
file(STRINGS ${MANIFEST} lines)
foreach(line ${lines})
  string(REPLACE "\t" ";" parts "${line}")
  list(GET parts 0 source)
  list(GET parts 1 name)
  if(NOT EXISTS "${source}")
    message(FATAL_ERROR "install disk: ${source} (for ${name}) is missing")
  endif()
  file(COPY_FILE "${source}" "${DISK}/${name}" ONLY_IF_DIFFERENT)
endforeach()
