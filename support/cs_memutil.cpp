// Heap state, free address space, the flat-address helpers kept from segmented memory, and the
// pointer probes of the support library.
#include <stdint.h>

#include "os_services.h"
#include "qzw9svb/cs_memutil.h"
#include "qzw9svb/cs_status.h"

LONG CS_CALL CSValidHeap(void)
{
    if (!cs_os::HeapIntact())
        return CSMemErrHeap;
    return 0;
}

ULONG CS_CALL CSGetFreeMemory(void)
{
    return cs_os::AvailableVirtual();
}

ULONG CS_CALL CSBytesLeftInSeg(const void* address)
{
    if (address == nullptr)
        return 0;
    // The flat space is one 4 GiB segment; wider addresses count by their low 32 bits.
    return 0u - static_cast<ULONG>(reinterpret_cast<uintptr_t>(address));
}

unsigned char* CS_CALL CSMakeNormalPointer(unsigned char* address, LONG offset, ULONG)
{
    // Integer arithmetic: the result may lie outside the object the address points into.
    return reinterpret_cast<unsigned char*>(reinterpret_cast<uintptr_t>(address) + static_cast<intptr_t>(offset));
}

int CS_CALL CSIsValidReadPtr(const void* address, ULONG count)
{
    return address != nullptr && cs_os::CanRead(address, count) ? 1 : 0;
}

int CS_CALL CSIsValidWritePtr(const void* address, ULONG count)
{
    return address != nullptr && cs_os::CanWrite(address, count) ? 1 : 0;
}
