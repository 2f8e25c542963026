# Install step: each DLL in QZ_SPLIT_DEBUG_DLLS (below bin/) keeps its debug information in
# NAME.debug beside it and is stripped, with a debug link naming that file so a debugger still
# finds it. QZ_OBJCOPY is the tool-chain's objcopy.
foreach(dll IN LISTS QZ_SPLIT_DEBUG_DLLS)
  set(file "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/bin/${dll}")
  message(STATUS "Splitting debug information: ${file}.debug")
  execute_process(COMMAND ${QZ_OBJCOPY} --only-keep-debug ${file} ${file}.debug
                  COMMAND_ERROR_IS_FATAL ANY)
  execute_process(COMMAND ${QZ_OBJCOPY} --strip-all --add-gnu-debuglink=${file}.debug ${file}
                  COMMAND_ERROR_IS_FATAL ANY)
endforeach()
