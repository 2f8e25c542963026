# Test programs of the 64-bit build run under wine64 through a wrapper with a private prefix.
configure_file(${CMAKE_CURRENT_LIST_DIR}/wine-run.sh.in ${CMAKE_BINARY_DIR}/wine-run.sh @ONLY
               FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
configure_file(${CMAKE_CURRENT_LIST_DIR}/wine-stop.sh.in ${CMAKE_BINARY_DIR}/wine-stop.sh @ONLY
               FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/wine-run.sh)

# Every test that runs under Wine requires this fixture; its clean-up ends the display.
add_test(NAME stop_wine_display COMMAND ${CMAKE_BINARY_DIR}/wine-stop.sh)
set_tests_properties(stop_wine_display PROPERTIES FIXTURES_CLEANUP wine_display)

# qz_add_gtest(target): register a GoogleTest program for the current build.
function(qz_add_gtest target)
  gtest_discover_tests(${target} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
                       PROPERTIES FIXTURES_REQUIRED wine_display)
endfunction()
