// The free functions over movable memory handles: creation and destruction through the
// factory, and thin null-checked calls of the handle's operations.
#include <string.h>

#include "cs_memimage.h"
#include "os_services.h"
#include "qzw9svb/cs_memobject.h"
#include "qzw9svb/cs_memutil.h"

CSMemObject* CS_CALL CSMemObjectFactory(void* userPointer)
{
    // The class-level operator new takes the handle from the same heap as its memory, so a test
    // that makes the heap refuse requests reaches the creation of the handle as well.
    return new CSHeapMemObject(userPointer);
}

LONG CS_CALL CSAllocMemory(ULONG size, CSMemOSAlign alignment, CSMemObject** handle, void* userPointer)
{
    if (handle == nullptr)
        return CSMemErrInvalid;
    *handle = CSMemObjectFactory(userPointer);
    if (*handle == nullptr)
        return CSMemErrNoMemory;
    // The handle is handed back even when Allocate fails; the caller disposes of it.
    return (*handle)->Allocate(size, alignment);
}

LONG CS_CALL CSReAllocMemory(ULONG size, CSMemOSAlign alignment, CSMemObject** handle)
{
    if (handle == nullptr || *handle == nullptr)
        return CSMemErrInvalid;
    return (*handle)->ReAllocate(size, alignment);
}

// Only handles made with new may be given here (the factory's, or a host's own class): the
// handle is deleted through slot 7, which either compiler's code answers for its own handles.
LONG CS_CALL CSDisposeMemory(CSMemObject* handle)
{
    if (handle == nullptr)
        return CSMemErrInvalid;
    LONG status = handle->Dispose();
    // A locked handle goes too: its destructor releases the memory Dispose kept.
    if (status != CSMemErrInvalid)
        handle->ScalarDeletingDestructor(1);
    return status;
}

LONG CS_CALL CSLockMemory(CSMemObject* handle, unsigned char** address)
{
    return handle != nullptr ? handle->Lock(address) : CSMemErrInvalid;
}

LONG CS_CALL CSUnlockMemory(CSMemObject* handle)
{
    return handle != nullptr ? handle->Unlock() : CSMemErrInvalid;
}

LONG CS_CALL CSValidMemory(CSMemObject* handle)
{
    return handle != nullptr ? handle->Valid() : CSMemErrInvalid;
}

LONG CS_CALL CSIsLocked(CSMemObject* handle)
{
    return handle != nullptr ? handle->IsLocked() : CSMemErrInvalid;
}

LONG CS_CALL CSSizeMemory(CSMemObject* handle, ULONG* size)
{
    return handle != nullptr ? handle->GetSize(size) : CSMemErrInvalid;
}

LONG CS_CALL CSGetUserPointer(unsigned char* data, void** userPointer)
{
    // Every step is probed or read as plain bytes first, so that an address that is no
    // handle's data is answered rather than followed.
    CSMemObject* handle = nullptr;
    if (data == nullptr || userPointer == nullptr || !CSIsValidReadPtr(data - sizeof(handle), sizeof(handle)))
        return CSMemErrInvalid;
    memcpy(&handle, data - sizeof(handle), sizeof(handle));
    CSMemObjectImage image;
    if (!CSIsValidReadPtr(handle, sizeof(image)))
        return CSMemErrInvalid;
    memcpy(&image, static_cast<const void*>(handle), sizeof(image));
    if (image.signature != kMemObjectSignature)
        return CSMemErrInvalid;
    LONG status = handle->Valid();
    if (status == 0)
        *userPointer = handle->GetUserPointer();
    return status;
}
