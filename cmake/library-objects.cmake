include(${CMAKE_CURRENT_LIST_DIR}/lean-code.cmake)

# qz_library_objects(target sources...): an object library whose code goes into QZW9SVB.dll.
# Its own sources see the exporting declarations; whoever links the objects directly (tests,
# the DLL) sees plain ones.
function(qz_library_objects target)
  add_library(${target} OBJECT ${ARGN})
  qz_lean_code(${target})
  target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR}/include)
  target_compile_definitions(${target} PRIVATE QZ_BUILDING_DLL INTERFACE QZ_STATIC)
endfunction()
