# Run at build time (cmake -P) by the Windows tree: lays out what a Windows player gets in the
# folder STAGE (the program and SDL.dll stripped, the licences and the texts, with Windows' line
# ends) and zips that folder's files, without the folder, into ZIP.
file(REMOVE_RECURSE ${STAGE})
file(MAKE_DIRECTORY ${STAGE})

foreach(binary ${PROGRAM} ${SDL_DLL})
  get_filename_component(name ${binary} NAME)
  execute_process(COMMAND ${STRIP} -o ${STAGE}/${name} ${binary} COMMAND_ERROR_IS_FATAL ANY)
endforeach()

function(write_text source destination)
  file(READ ${source} text)
  string(REPLACE "\r\n" "\n" text "${text}")
  string(REPLACE "\n" "\r\n" text "${text}")
  file(WRITE ${STAGE}/${destination} "${text}")
endfunction()

file(STRINGS ${SDL_WORK_DIR}/version SDL_DEBIAN_VERSION)
string(REGEX MATCH "^[0-9.]+" SDL_VERSION ${SDL_DEBIAN_VERSION})
string(REPLACE ";" " " SDL_CONFIGURE_OPTIONS "${SDL_CONFIGURE_OPTIONS}")
foreach(text README.txt SDL-SOURCE.txt)
  configure_file(${CMAKE_CURRENT_LIST_DIR}/${text}.in ${STAGE}/${text} @ONLY NEWLINE_STYLE CRLF)
endforeach()
write_text(${PROJECT_SOURCE_DIR}/LICENSE LICENSE.txt)
write_text(${SDL_WORK_DIR}/source/COPYING SDL-LICENSE.txt)
write_text(${SDL_WORK_DIR}/source/debian/copyright SDL-COPYRIGHT.txt)

file(GLOB files RELATIVE ${STAGE} ${STAGE}/*)
file(REMOVE ${ZIP})
execute_process(COMMAND ${CMAKE_COMMAND} -E tar cf ${ZIP} --format=zip -- ${files}
  WORKING_DIRECTORY ${STAGE} COMMAND_ERROR_IS_FATAL ANY)
