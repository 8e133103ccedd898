# Strips the libraries and plugins of a Windows installation, which the
# install step copies as they are: FOLDER, the installation; STRIP, MinGW's strip.
file(GLOB_RECURSE libraries ${FOLDER}/*.dll)
foreach(library ${libraries})
  execute_process(COMMAND ${STRIP} --strip-unneeded ${library} COMMAND_ERROR_IS_FATAL ANY)
endforeach()
