# Run by CPack on the files it is about to pack: the ELF files lose the
# compiler's .comment section, which names the compiler that built them and
# nothing of the program.
file(GLOB_RECURSE staged LIST_DIRECTORIES false "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*")
foreach(file ${staged})
  if(IS_SYMLINK "${file}")
    continue()
  endif()
  file(READ "${file}" magic LIMIT 4 HEX)
  if(magic STREQUAL "7f454c46")
    execute_process(COMMAND objcopy --remove-section=.comment "${file}" RESULT_VARIABLE failed)
    if(failed)
      message(FATAL_ERROR "objcopy could not take .comment out of ${file}")
    endif()
  endif()
endforeach()
