// Win32 platform services of the support library: the process heap, the pointer probes,
// GlobalMemoryStatus, wvsprintfA and GetVersionExA.
#include "platform.h"
#include "platform_seams.h"

namespace cs_platform {

void* HeapAllocate(size_t size)
{
    if (!HeapRequestGranted())
        return nullptr;
    return ::HeapAlloc(::GetProcessHeap(), 0, size);
}

void* HeapResize(void* block, size_t size)
{
    if (!HeapRequestGranted())
        return nullptr;
    return ::HeapReAlloc(::GetProcessHeap(), 0, block, size);
}

void HeapRelease(void* block)
{
    ::HeapFree(::GetProcessHeap(), 0, block);
}

size_t HeapUsableSize(const void* block)
{
    SIZE_T size = ::HeapSize(::GetProcessHeap(), 0, block);
    return size == static_cast<SIZE_T>(-1) ? 0 : size;
}

bool HeapIntact()
{
    return ::HeapValidate(::GetProcessHeap(), 0, nullptr) != FALSE;
}

bool CanRead(const void* address, size_t count)
{
    return !::IsBadReadPtr(address, count);
}

bool CanWrite(const void* address, size_t count)
{
    return !::IsBadWritePtr(const_cast<void*>(address), count);
}

ULONG AvailableVirtual()
{
    MEMORYSTATUS status = {};
    status.dwLength = sizeof(status);
    ::GlobalMemoryStatus(&status);
    return status.dwAvailVirtual > 0xFFFFFFFFu ? 0xFFFFFFFFu : static_cast<ULONG>(status.dwAvailVirtual);
}

int FormatV(char* buffer, const char* format, va_list args)
{
    return ::wvsprintfA(buffer, format, args);
}

bool QueryPlatformIdDirect(DWORD* platformId)
{
    OSVERSIONINFOA info = {};
    info.dwOSVersionInfoSize = sizeof(info);
    if (!::GetVersionExA(&info))
        return false;
    *platformId = info.dwPlatformId;
    return true;
}

} // namespace cs_platform
