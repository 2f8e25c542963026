// Status codes of the support library: 0 is success, each layer has its own negative family.
#pragma once
#include "cs_abi.h"

QZ_ENUM(CSMemStatus) {
    CSMemErrInvalid = -2900,      // null handle, wrong signature or inconsistent state word
    CSMemErrNotLocked = -2901,    // unlock with a lock count of 0
    CSMemErrLocked = -2902,       // the handle is locked
    CSMemErrAllocated = -2903,    // Allocate on a handle that already holds memory or is zero-size
    CSMemErrNotAllocated = -2904, // the handle holds no memory
    CSMemErrBadAlign = -2905,     // alignment outside 0 ... 5
    CSMemErrAlignChange = -2906,  // ReAllocate asks allocated memory for another alignment
    CSMemErrNoMemory = -2907,     // the heap could not supply the memory or the handle
    CSMemErrLockFailed = -2909,   // no address on lock, or the lock count is full
    CSMemErrBadMemory = -2910,    // the backing memory failed validation
    CSMemErrHeap = -2911          // the heap check found damage
};

QZ_ENUM(CSBlockStatus) {
    CSBlockErrAlloc = -100,    // size 0, memory already held, or none could be obtained
    CSBlockErrLocked = -102,   // the block is locked
    CSBlockErrLimit = -103,    // the collection's limit would be exceeded
    CSBlockErrEmpty = -104,    // the block holds no memory
    CSBlockErrNotFound = -105  // the block does not belong to the collection
};

QZ_ENUM(CSListStatus) {
    CSListErrNoMemory = -3 // a list node could not be allocated
};
