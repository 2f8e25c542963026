// The capability store's carriers in the library's module: the string table and the type-555
// data records, read by 16-bit id.
#pragma once
#include "qzw9svb/cs_platform.h"

namespace store {

// Loads string id into buffer (capacity in bytes, terminator included); the characters copied,
// 0 when there is no such string.
int LoadText(unsigned int id, char* buffer, int capacity);

// A data record's bytes; null and size 0 when the record is absent or cannot be loaded.
struct Record {
    const void* bytes;
    ULONG size;
    bool found; // the resource exists, even if it could not be loaded
};
Record FindRecord(unsigned int id);

} // namespace store
