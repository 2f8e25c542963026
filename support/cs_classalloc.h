// Storage in the locked data of a movable memory handle of its own: the list's nodes, and the
// class-level storage of CSMemBlock and CSMemCollection, where each object lies behind the
// handle's address and a 16-bit live/freed tag.
#pragma once
#include <stddef.h>
#include <stdint.h>

#include "qzw9svb/cs_abi.h"

class CSMemObject;

namespace cs_classalloc {

// size bytes in a new handle, locked until ReleaseHandle; null, and no handle left, when the
// handle cannot be made or locked.
unsigned char* AllocateLocked(ULONG size, CSMemObject** handle);

const uint16_t kBlockLiveTag = 0xABEE;
const uint16_t kBlockFreedTag = 0xFBEE;
const uint16_t kCollectionLiveTag = 0xACEE;
const uint16_t kCollectionFreedTag = 0xFCEE;

// Storage for an object of size bytes marked with the live tag; null when none is obtained.
void* AllocateTagged(size_t size, uint16_t liveTag);
// Marks the object's storage with the freed tag and hands back the handle that holds it
// (null for a null object); the storage stays readable until ReleaseHandle.
CSMemObject* RetireTagged(void* object, uint16_t freedTag);
// Unlocks and disposes of the handle of AllocateLocked or RetireTagged.
void ReleaseHandle(CSMemObject* handle);
// RetireTagged then ReleaseHandle: the whole of a class-level operator delete.
void FreeTagged(void* object, uint16_t freedTag);
// The tag just before an object made by AllocateTagged.
uint16_t TagBefore(const void* object);

} // namespace cs_classalloc
