// What the build-time generators share: a command line naming the one file to write, and arrays
// written out as C++ definitions.
#pragma once
#include <cstdio>
#include <functional>

// Calls write with the file named by the only argument; main's exit status (2 for a wrong
// command line, 1 when the file could not be written).
int WriteGeneratedFile(int argc, char** argv, const std::function<void(std::FILE*)>& write);

// Writes "DEFINITION = { ... };" with count values, perLine to a line, each printed by format.
void WriteArray(std::FILE* out, const char* definition, unsigned count, unsigned perLine, const char* format,
                const std::function<unsigned(unsigned index)>& valueAt);
