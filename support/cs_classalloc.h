// Class-level storage of CSMemBlock and CSMemCollection: each object lives in the locked data of
// its own movable memory handle, behind the handle's address and a 16-bit live/freed tag.
#pragma once
#include <stddef.h>
#include <stdint.h>

class CSMemObject;

namespace cs_classalloc {

const uint16_t kBlockLiveTag = 0xABEE;
const uint16_t kBlockFreedTag = 0xFBEE;
const uint16_t kCollectionLiveTag = 0xACEE;
const uint16_t kCollectionFreedTag = 0xFCEE;

// Storage for an object of size bytes marked with the live tag; null when none is obtained.
void* AllocateTagged(size_t size, uint16_t liveTag);
// Marks the object's storage with the freed tag and hands back the handle that holds it
// (null for a null object); the storage stays readable until ReleaseHandle.
CSMemObject* RetireTagged(void* object, uint16_t freedTag);
// Unlocks and disposes of the handle RetireTagged gave.
void ReleaseHandle(CSMemObject* handle);
// RetireTagged then ReleaseHandle: the whole of a class-level operator delete.
void FreeTagged(void* object, uint16_t freedTag);
// The tag just before an object made by AllocateTagged.
uint16_t TagBefore(const void* object);

} // namespace cs_classalloc
