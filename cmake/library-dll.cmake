# qz_add_library_dll(target resource-script output-dir): QZW9SVB.dll from the library's objects
# and the given resource script, with the undecorated export list and the exported classes'
# members under their MSVC names as well. The shipped DLL and the test variants with extra
# printer models are all made this way.
function(qz_add_library_dll target script output_dir)
  add_library(${target} SHARED ${PROJECT_SOURCE_DIR}/entry/dll_main.cpp
              ${PROJECT_SOURCE_DIR}/entry/allocation_operators.cpp ${script})
  target_link_libraries(${target} PRIVATE qz_services qz_job_output qz_printer_jobs qz_ui qz_capability qz_platform cis_string_list cs_support
                        qz_msvc_constructors winspool shell32)
  target_compile_definitions(${target} PRIVATE QZ_BUILDING_DLL)
  target_include_directories(${target} PRIVATE ${PROJECT_SOURCE_DIR} ${PROJECT_SOURCE_DIR}/resources ${CMAKE_BINARY_DIR}/entry)
  set_target_properties(${target} PROPERTIES PREFIX "" OUTPUT_NAME QZW9SVB RUNTIME_OUTPUT_DIRECTORY ${output_dir})
  target_sources(${target} PRIVATE ${QZ_EXPORT_DEF})
  add_dependencies(${target} qz_msvc_exports)
  qz_lean_code(${target})
  target_link_options(${target} PRIVATE -Wl,--gc-sections)
  if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    target_link_options(${target} PRIVATE -Wl,--kill-at)
  endif()
  # The resource script pulls in every data file below resources/, the dialog templates beside
  # their handlers and the configured version numbers; a change to any rebuilds it.
  file(GLOB_RECURSE resource_files CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/resources/*
       ${PROJECT_SOURCE_DIR}/ui/dialogs/*.rc2 ${PROJECT_SOURCE_DIR}/ui/dialogs/*.rh)
  set_source_files_properties(${script} PROPERTIES OBJECT_DEPENDS "${resource_files};${CMAKE_BINARY_DIR}/entry/qz_version.h")
endfunction()
