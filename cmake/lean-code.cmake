# qz_lean_code(target): how the code that goes into QZW9SVB.dll is compiled for Windows. Each
# function gets a section of its own so that the DLL's link drops what no export reaches. Data
# does not: MinGW's g++ gives a zeroed datum in a section of its own file bytes in .data instead
# of a place in .bss, which costs the store queries' 36 KB index in the file. Nothing in the library throws, and no exception may cross an export or a callback, so
# it is built without exception machinery; with the DLL's own allocation operators
# (entry/allocation_operators.cpp) and no thread_local, that keeps the runtime's unwinder,
# demangler, formatted output and thread library out of the DLL. The 32-bit build also drops its
# unwind tables, which only exceptions and debuggers read (x86_64 code keeps its .pdata/.xdata:
# Windows unwinds with them).
function(qz_lean_code target)
  if(NOT WIN32)
    return()
  endif()
  target_compile_options(${target} PRIVATE -ffunction-sections -fno-exceptions)
  if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    target_compile_options(${target} PRIVATE -fno-asynchronous-unwind-tables)
  endif()
endfunction()
