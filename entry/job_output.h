// Printer job output: every byte the library sends goes out as one spooler document named
// "Printer Services", a single page written unchanged.
#pragma once
#include <windows.h>

// Sends the stored job (resource type 2830) with the given id; non-zero when every byte was
// written, 0 otherwise (also when no such job is stored: the queue is then not touched).
int SendStoredJob(const char* queue, unsigned int jobId);

// Sends bytes built at run time; opens the queue up to ten times, a second apart.
int SendJobBuffer(const char* queue, const void* bytes, DWORD count);
