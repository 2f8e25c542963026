# The release of a Windows build. `cmake --install` lays out the shipped DLLs (stripped, their
# debug information in files beside them), both import libraries, the export list, the public
# headers, a CMake package with the imported target QZW9SVB::QZW9SVB, the README and the
# changelog; `cpack` zips that tree as QZW9SVB-<version>-win32.zip or -win64.zip, with a .sha256.
# Test variants of the DLL are never installed.
include(CMakePackageConfigHelpers)
if(NOT CMAKE_OBJCOPY)
  message(FATAL_ERROR "objcopy of the MinGW-w64 tool-chain not found: run ./qz setup")
endif()
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(QZ_PACKAGE_ARCH win64)
  set(QZ_PACKAGE_BITS 64)
else()
  set(QZ_PACKAGE_ARCH win32)
  set(QZ_PACKAGE_BITS 32)
endif()
set(package_dir ${CMAKE_BINARY_DIR}/package)
set(cmake_dir lib/cmake/QZW9SVB)

install(PROGRAMS $<TARGET_FILE:QZW9SVB> $<TARGET_FILE:QZW9TRE> DESTINATION bin)
install(CODE "set(QZ_OBJCOPY \"${CMAKE_OBJCOPY}\")
set(QZ_SPLIT_DEBUG_DLLS QZW9SVB.dll QZW9TRE.dll)")
install(SCRIPT ${CMAKE_CURRENT_LIST_DIR}/split-debug-info.cmake)

install(FILES ${CMAKE_BINARY_DIR}/lib/libQZW9SVB.dll.a ${QZ_MSVC_IMPLIB} DESTINATION lib)
install(FILES ${QZ_SHIPPED_DEF} DESTINATION lib)
# Hosts include "qzw9svb.h", which reaches the rest as "qzw9svb/…", as inside this tree.
install(FILES ${PROJECT_SOURCE_DIR}/include/qzw9svb.h DESTINATION include)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/include/qzw9svb DESTINATION include)

configure_package_config_file(${PROJECT_SOURCE_DIR}/packaging/QZW9SVBConfig.cmake.in
  ${package_dir}/QZW9SVBConfig.cmake INSTALL_DESTINATION ${cmake_dir})
# The version file also refuses a package of the other pointer width.
write_basic_package_version_file(${package_dir}/QZW9SVBConfigVersion.cmake
  COMPATIBILITY SameMajorVersion)
install(FILES ${package_dir}/QZW9SVBConfig.cmake ${package_dir}/QZW9SVBConfigVersion.cmake
        DESTINATION ${cmake_dir})

configure_file(${PROJECT_SOURCE_DIR}/packaging/README.md.in ${package_dir}/README.md @ONLY)
install(FILES ${package_dir}/README.md ${PROJECT_SOURCE_DIR}/CHANGELOG.md DESTINATION .)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME QZW9SVB)
set(CPACK_PACKAGE_VENDOR QZ)
set(CPACK_PACKAGE_FILE_NAME QZW9SVB-${PROJECT_VERSION}-${QZ_PACKAGE_ARCH})
set(CPACK_PACKAGE_CHECKSUM SHA256)
set(CPACK_PACKAGE_DIRECTORY ${package_dir})
include(CPack)
