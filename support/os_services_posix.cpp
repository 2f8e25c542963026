// Portable operating-system services of the support library: the C heap, probes that read the
// process's own mapping table (no faults, no signal handlers), and the stand-ins for the
// Windows formatter and version query; the tokeniser's per-thread pointer.
#include <fcntl.h>
#include <malloc.h>
#include <stdint.h>
#include <stdlib.h>
#include <string.h>
#include <sys/resource.h>
#include <unistd.h>

#include "cs_format.h"
#include "os_services.h"
#include "os_service_seams.h"

namespace cs_os {
namespace {

// Calls visit(start, end, perms) for each line of /proc/self/maps until it returns false. Only
// the fields at the start of a line are read: of a line longer than the buffer (a file mapped
// under a long path) the rest is skipped, and the lines after it are read as usual.
template <typename Visit> void ForEachMapping(Visit visit)
{
    int fd = ::open("/proc/self/maps", O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return;
    auto visitLine = [&visit](char* line) {
        char* cursor = line;
        uintptr_t start = strtoull(cursor, &cursor, 16);
        uintptr_t end = strtoull(cursor + 1, &cursor, 16);
        return visit(start, end, cursor + 1);
    };
    char buffer[4096];
    size_t used = 0;
    bool skipping = false; // in the rest of a line already visited
    bool more = true;
    while (more) {
        ssize_t got = ::read(fd, buffer + used, sizeof(buffer) - 1 - used);
        if (got <= 0)
            break;
        used += static_cast<size_t>(got);
        buffer[used] = '\0';
        char* line = buffer;
        char* newline;
        while (more && (newline = static_cast<char*>(memchr(line, '\n', used - (line - buffer)))) != nullptr) {
            *newline = '\0';
            if (!skipping)
                more = visitLine(line);
            skipping = false;
            line = newline + 1;
        }
        used -= static_cast<size_t>(line - buffer);
        memmove(buffer, line, used);
        if (more && used == sizeof(buffer) - 1) {
            if (!skipping)
                more = visitLine(buffer);
            skipping = true;
            used = 0;
        }
    }
    ::close(fd);
}

// True when [address, address + count) lies in consecutive mappings that all grant access.
bool RangeHasAccess(const void* address, size_t count, char access, int position)
{
    uintptr_t first = reinterpret_cast<uintptr_t>(address);
    if (count == 0)
        return true;
    if (first + count < first)
        return false;
    uintptr_t wanted = first; // lowest byte not yet found accessible
    uintptr_t last = first + count;
    ForEachMapping([&](uintptr_t start, uintptr_t end, const char* perms) {
        if (end <= wanted)
            return true;
        if (start > wanted || perms[position] != access)
            return false;
        wanted = end;
        return wanted < last;
    });
    return wanted >= last;
}

} // namespace

void* HeapAllocate(size_t size)
{
    return HeapRequestGranted() ? malloc(size) : nullptr;
}

void* HeapResize(void* block, size_t size)
{
    return HeapRequestGranted() ? realloc(block, size) : nullptr;
}

void HeapRelease(void* block)
{
    free(block);
}

size_t HeapUsableSize(const void* block)
{
    return malloc_usable_size(const_cast<void*>(block));
}

bool HeapIntact()
{
    return true; // the C heap offers no consistency check; it counts as intact
}

bool CanRead(const void* address, size_t count)
{
    return RangeHasAccess(address, count, 'r', 0);
}

bool CanWrite(const void* address, size_t count)
{
    return RangeHasAccess(address, count, 'w', 1);
}

ULONG AvailableVirtual()
{
    // The address-space limit of the process (or the user half of a 48-bit space) minus what
    // is mapped, saturated to 32 bits as GlobalMemoryStatus reports for a 32-bit process.
    uint64_t limit = uint64_t(1) << 47;
    rlimit rl;
    if (getrlimit(RLIMIT_AS, &rl) == 0 && rl.rlim_cur != RLIM_INFINITY && rl.rlim_cur < limit)
        limit = rl.rlim_cur;
    uint64_t mapped = 0;
    ForEachMapping([&](uintptr_t start, uintptr_t end, const char*) {
        mapped += end - start;
        return true;
    });
    uint64_t available = mapped < limit ? limit - mapped : 0;
    return available > 0xFFFFFFFFu ? 0xFFFFFFFFu : static_cast<ULONG>(available);
}

int FormatV(char* buffer, const char* format, va_list args)
{
    return cs_format::FormatV(buffer, format, args);
}

bool QueryPlatformIdDirect(DWORD* platformId)
{
    *platformId = 2; // the NT platform: the only identifier the library acts on
    return true;
}

namespace {
thread_local char* tokenResume = nullptr;
} // namespace

char* ThreadTokenResume()
{
    return tokenResume;
}

void SetThreadTokenResume(char* resume)
{
    tokenResume = resume;
}

} // namespace cs_os
