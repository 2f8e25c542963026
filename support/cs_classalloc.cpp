// The tagged class-level storage of memory blocks and collections.
#include "cs_classalloc.h"

#include <string.h>

#include "qzw9svb/cs_memobject.h"

namespace cs_classalloc {
namespace {
const size_t kHandleSize = sizeof(CSMemObject*);
const size_t kTagSize = sizeof(uint16_t);
// 32-bit builds keep the packed prefix (handle, tag, object at 6); with wider pointers the
// tag moves up so that the object starts on a pointer boundary.
const size_t kObjectOffset = kHandleSize == 4 ? kHandleSize + kTagSize : 2 * kHandleSize;
const size_t kTagOffset = kObjectOffset - kTagSize;

unsigned char* PrefixOf(void* object)
{
    return static_cast<unsigned char*>(object) - kObjectOffset;
}
} // namespace

unsigned char* AllocateLocked(ULONG size, CSMemObject** handle)
{
    *handle = nullptr;
    unsigned char* data = nullptr;
    if (CSAllocMemory(size, CSMemAlignDefault, handle, nullptr) != 0 || CSLockMemory(*handle, &data) != 0) {
        CSDisposeMemory(*handle);
        *handle = nullptr;
        return nullptr;
    }
    return data;
}

void* AllocateTagged(size_t size, uint16_t liveTag)
{
    if (size > 0xFFFFFFFFu - kObjectOffset)
        return nullptr;
    // This lock holds for the object's whole life.
    CSMemObject* handle = nullptr;
    unsigned char* prefix = AllocateLocked(static_cast<ULONG>(size + kObjectOffset), &handle);
    if (prefix == nullptr)
        return nullptr;
    memcpy(prefix, &handle, kHandleSize);
    memcpy(prefix + kTagOffset, &liveTag, kTagSize);
    return prefix + kObjectOffset;
}

CSMemObject* RetireTagged(void* object, uint16_t freedTag)
{
    if (object == nullptr)
        return nullptr;
    unsigned char* prefix = PrefixOf(object);
    CSMemObject* handle;
    memcpy(&handle, prefix, kHandleSize);
    memcpy(prefix + kTagOffset, &freedTag, kTagSize);
    return handle;
}

void ReleaseHandle(CSMemObject* handle)
{
    CSUnlockMemory(handle);
    CSDisposeMemory(handle);
}

void FreeTagged(void* object, uint16_t freedTag)
{
    ReleaseHandle(RetireTagged(object, freedTag));
}

uint16_t TagBefore(const void* object)
{
    uint16_t tag;
    memcpy(&tag, static_cast<const unsigned char*>(object) - kTagSize, kTagSize);
    return tag;
}

} // namespace cs_classalloc
