# The 32-bit build cannot run on this machine: its test programs are built, and only the static
# checks of the DLL are registered with ctest.
function(qz_add_gtest target)
endfunction()
