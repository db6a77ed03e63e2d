# Run by CPack on its staging copy of the installation, before it makes the package: strips the
# program as Debian's dh_strip does, dropping with the symbols the .comment and .note sections,
# which nothing reads at run time.
set(program ${CPACK_TEMPORARY_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}/${CPACK_BRAMBLEDECK_PROGRAM})
execute_process(COMMAND ${CPACK_BRAMBLEDECK_STRIP} --remove-section=.comment --remove-section=.note ${program}
  COMMAND_ERROR_IS_FATAL ANY)
