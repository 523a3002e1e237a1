# Run by CPack on the staged files, before it makes the .deb: takes out of
# the programs what Debian's own packages go without (as dh_strip does), the
# compilers' names (.comment) and the old-style notes, which nothing reads at
# run time.
file(GLOB_RECURSE staged LIST_DIRECTORIES false "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*")
foreach(file IN LISTS staged)
  file(READ "${file}" magic LIMIT 4 HEX)
  if(magic STREQUAL "7f454c46" AND NOT IS_SYMLINK "${file}")
    execute_process(COMMAND "${CPACK_KVIRLO_STRIP}" --remove-section=.comment --remove-section=.note
                            "${file}" RESULT_VARIABLE failed)
    if(failed)
      message(FATAL_ERROR "could not strip ${file}")
    endif()
  endif()
endforeach()
