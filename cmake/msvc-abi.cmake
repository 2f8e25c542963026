# Hosts built with Microsoft's compiler. The MSVC names of the exported classes' members and the
# constructor thunks are generated from the public headers at build time
# (tools/msvcabi/msvc_exports.py, on libclang); the DLL links with the complete export list, and
# lib/QZW9SVB.lib is the MSVC-style import library beside libQZW9SVB.dll.a. MSVC-mode programs
# are compiled with clang and linked with lld-link, with no Microsoft SDK or C runtime.
# Fails at once when a tool is missing.

# Debian's python3: the one python3-clang installs the libclang binding for.
find_program(QZ_PYTHON3 python3 PATHS /usr/bin NO_DEFAULT_PATH)
foreach(tool CLANG:clang CLANGXX:clang++ LLD_LINK:lld-link LLVM_DLLTOOL:llvm-dlltool)
  string(REPLACE ":" ";" tool ${tool})
  list(GET tool 0 var)
  list(GET tool 1 program)
  find_program(QZ_${var} ${program})
  if(NOT QZ_${var})
    message(FATAL_ERROR "${program} not found: run ./qz setup")
  endif()
endforeach()
execute_process(COMMAND ${QZ_PYTHON3} -c "import clang.cindex" RESULT_VARIABLE qz_no_binding
                OUTPUT_QUIET ERROR_QUIET)
if(NOT QZ_PYTHON3 OR qz_no_binding)
  message(FATAL_ERROR "the libclang binding for /usr/bin/python3 is missing: run ./qz setup")
endif()
execute_process(COMMAND ${QZ_CLANG} -print-resource-dir OUTPUT_VARIABLE QZ_CLANG_RESOURCE_DIR
                OUTPUT_STRIP_TRAILING_WHITESPACE)

if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(QZ_MSVC_ARCH x86_64)
  set(QZ_LLVM_MACHINE i386:x86-64)
else()
  set(QZ_MSVC_ARCH i686)
  set(QZ_LLVM_MACHINE i386)
endif()
set(QZ_MSVC_TARGET ${QZ_MSVC_ARCH}-pc-windows-msvc)
set(QZ_MSVC_SDK ${PROJECT_SOURCE_DIR}/tools/msvcabi/sdk)

# What the generator writes: the complete export list, "MSVC-NAME G++-NAME KIND" per member
# (for the export checks), and the constructor thunks.
set(QZ_EXPORT_DEF ${CMAKE_BINARY_DIR}/msvcabi/QZW9SVB.def)
set(QZ_MSVC_NAMES ${CMAKE_BINARY_DIR}/msvcabi/msvc_names.txt)
set(QZ_MSVC_THUNKS ${CMAKE_BINARY_DIR}/msvcabi/msvc_constructors.cpp)
set(QZ_MSVC_IMPLIB ${CMAKE_BINARY_DIR}/lib/QZW9SVB.lib)
# The export list that ships beside the import libraries: every exported name, no alias targets.
set(QZ_SHIPPED_DEF ${CMAKE_BINARY_DIR}/package/QZW9SVB.def)

# qz_generate_msvc_exports(plain_def): the generation step, from the list of plain exports, and
# the object library qz_msvc_constructors with the thunks; target qz_msvc_exports runs it.
function(qz_generate_msvc_exports plain_def)
  file(GLOB headers CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/include/*.h ${PROJECT_SOURCE_DIR}/include/qzw9svb/*.h)
  set(script ${PROJECT_SOURCE_DIR}/tools/msvcabi/msvc_exports.py)
  add_custom_command(OUTPUT ${QZ_EXPORT_DEF} ${QZ_MSVC_NAMES} ${QZ_MSVC_THUNKS}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/msvcabi
    COMMAND ${QZ_PYTHON3} ${script} --arch ${QZ_MSVC_ARCH}
            --header ${PROJECT_SOURCE_DIR}/include/qzw9svb.h --include-dir ${PROJECT_SOURCE_DIR}/include
            --sdk-dir ${QZ_MSVC_SDK} --resource-dir ${QZ_CLANG_RESOURCE_DIR} --plain-def ${plain_def}
            --def ${QZ_EXPORT_DEF} --thunks ${QZ_MSVC_THUNKS} --names ${QZ_MSVC_NAMES}
    DEPENDS ${script} ${headers} ${QZ_MSVC_SDK}/windows.h ${plain_def}
    COMMENT "MSVC names of the exported class members"
    VERBATIM)
  add_custom_target(qz_msvc_exports DEPENDS ${QZ_EXPORT_DEF} ${QZ_MSVC_NAMES})
  qz_library_objects(qz_msvc_constructors ${QZ_MSVC_THUNKS})
endfunction()

# qz_add_msvc_program(target output SOURCES src... [INCLUDES dir...] [OPTIONS flag...]
# [LIBRARIES lib...]): an executable built as Microsoft's tools would build it, from C++ sources
# that bring their own entry point `start`. The stand-in windows.h is on the include path and
# kernel32 is linked.
function(qz_add_msvc_program target output)
  cmake_parse_arguments(PARSE_ARGV 2 arg "" "" "SOURCES;INCLUDES;OPTIONS;LIBRARIES")
  set(dir ${CMAKE_CURRENT_BINARY_DIR}/${target}.msvc)
  set(kernel32 ${dir}/kernel32.lib)
  file(READ ${QZ_MSVC_SDK}/kernel32.def kernel32_def)
  if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    string(REGEX REPLACE "@[0-9]+" "" kernel32_def "${kernel32_def}")
  endif()
  file(GENERATE OUTPUT ${dir}/kernel32.def CONTENT "${kernel32_def}")
  add_custom_command(OUTPUT ${kernel32}
    COMMAND ${QZ_LLVM_DLLTOOL} -m ${QZ_LLVM_MACHINE} -d ${dir}/kernel32.def -l ${kernel32} -k
    DEPENDS ${QZ_MSVC_SDK}/kernel32.def VERBATIM)
  set(includes -I${QZ_MSVC_SDK})
  foreach(inc ${arg_INCLUDES})
    list(APPEND includes -I${inc})
  endforeach()
  set(objects)
  foreach(src ${arg_SOURCES})
    get_filename_component(name ${src} NAME_WE)
    set(obj ${dir}/${name}.obj)
    add_custom_command(OUTPUT ${obj}
      COMMAND ${QZ_CLANGXX} --target=${QZ_MSVC_TARGET} -std=c++17 -O1 -Wall -Werror
              -fno-exceptions -fno-rtti -fno-stack-protector -fno-threadsafe-statics -ffreestanding
              -fno-builtin -nostdlibinc ${arg_OPTIONS} ${includes} -MD -MF ${obj}.d -c ${src} -o ${obj}
      DEPENDS ${src} DEPFILE ${obj}.d VERBATIM)
    list(APPEND objects ${obj})
  endforeach()
  add_custom_command(OUTPUT ${output}
    COMMAND ${QZ_LLD_LINK} /nologo /nodefaultlib /entry:start /subsystem:console /out:${output}
            ${objects} ${kernel32} ${arg_LIBRARIES}
    DEPENDS ${objects} ${kernel32} ${arg_LIBRARIES} VERBATIM)
  add_custom_target(${target} ALL DEPENDS ${output})
endfunction()
