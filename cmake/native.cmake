# Native builds of the portable parts.
function(qz_add_gtest target)
  gtest_discover_tests(${target} DISCOVERY_MODE PRE_TEST)
endfunction()
