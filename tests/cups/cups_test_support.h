// What the tests through a private cupsd share: shell commands, the environment with_cupsd.sh
// sets, and the bytes the device listener has received.
#pragma once
#include <string>

#include "file_bytes.h"

// Runs a shell command; its standard output, and its exit status in status.
std::string Shell(const std::string& command, int* status = nullptr);

// A variable of the environment, empty when it is not set.
std::string Env(const char* name);

// The connections the device has had since the last call, their bytes joined.
qz_tools::FileBytes NewDeviceBytes();
