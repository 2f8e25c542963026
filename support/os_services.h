// The few operating-system services the support library stands on: the heap, pointer probes, free
// address space, the wvsprintfA formatter, the platform identifier and one per-thread pointer.
// Win32 and portable builds each provide one implementation file; everything else in support/
// is shared.
#pragma once
#include <stdarg.h>
#include <stddef.h>
#include "qzw9svb/cs_abi.h"

namespace cs_os {

// The heap behind movable memory handles (the process heap on Windows).
void* HeapAllocate(size_t size);
void* HeapResize(void* block, size_t size); // null when refused; the old block then stays valid
void HeapRelease(void* block);
size_t HeapUsableSize(const void* block);
bool HeapIntact();

// Probes that never fault: can count bytes at address be read / written?
bool CanRead(const void* address, size_t count);
bool CanWrite(const void* address, size_t count);

// Virtual address space still available to the process, saturated to 32 bits.
ULONG AvailableVirtual();

// wvsprintfA: the same conversions and flags, at most 1024 bytes written including the terminator.
int FormatV(char* buffer, const char* format, va_list args);

// The platform identifier of GetVersionExA (2 for NT); false when the query fails.
bool QueryPlatformId(DWORD* platformId);

// The calling thread's own pointer (null until the thread stores one): where its CSStrtok scan
// continues.
char* ThreadTokenResume();
void SetThreadTokenResume(char* resume);

// Seams for tests: refuse heap requests after the given number of successful ones (-1: never),
// and replace the platform identifier query (null restores the real one).
void FailHeapAfter(long successfulRequests);
// Refuses only the one heap request that follows the given number of successful ones.
void FailOneHeapRequestAfter(long successfulRequests);
void ReplacePlatformIdQuery(bool (*query)(DWORD* platformId));

} // namespace cs_os
