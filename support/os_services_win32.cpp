// Win32 operating-system services of the support library: the process heap, the pointer probes,
// GlobalMemoryStatus, wvsprintfA, GetVersionExA and a thread-local storage slot.
#include "os_services.h"
#include "os_service_seams.h"

namespace cs_os {
namespace {

// A native TLS slot rather than thread_local, whose emulation would bring the runtime's thread
// library into the DLL. Taken at the first use; of two threads that race for it, one slot stays.
volatile LONG tokenSlot = static_cast<LONG>(TLS_OUT_OF_INDEXES);

DWORD TokenSlot()
{
    LONG slot = tokenSlot;
    if (slot != static_cast<LONG>(TLS_OUT_OF_INDEXES))
        return static_cast<DWORD>(slot);
    DWORD fresh = ::TlsAlloc();
    if (fresh == TLS_OUT_OF_INDEXES)
        return fresh;
    LONG before = ::InterlockedCompareExchange(&tokenSlot, static_cast<LONG>(fresh),
                                               static_cast<LONG>(TLS_OUT_OF_INDEXES));
    if (before == static_cast<LONG>(TLS_OUT_OF_INDEXES))
        return fresh;
    ::TlsFree(fresh);
    return static_cast<DWORD>(before);
}

// Gives the slot back when the module unloads (process detach runs the static destructors).
struct TokenSlotRelease {
    ~TokenSlotRelease()
    {
        if (tokenSlot != static_cast<LONG>(TLS_OUT_OF_INDEXES))
            ::TlsFree(static_cast<DWORD>(tokenSlot));
    }
} tokenSlotRelease;

} // namespace

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

// TlsGetValue clears the last error on success; a string function leaves it alone.
char* ThreadTokenResume()
{
    DWORD slot = TokenSlot();
    if (slot == TLS_OUT_OF_INDEXES)
        return nullptr;
    DWORD lastError = ::GetLastError();
    void* resume = ::TlsGetValue(slot);
    ::SetLastError(lastError);
    return static_cast<char*>(resume);
}

void SetThreadTokenResume(char* resume)
{
    DWORD slot = TokenSlot();
    if (slot != TLS_OUT_OF_INDEXES)
        ::TlsSetValue(slot, resume);
}

} // namespace cs_os
