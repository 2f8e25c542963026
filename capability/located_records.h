// LocatedRecords: the store's data records found once by resource id. The store is read-only,
// so what a lookup found (or did not find) stays true for as long as its module is the one
// resources are read from.
#pragma once
#include "qzw9svb/cs_abi.h"
#include "resources/resource_ids.h"

struct StoreRecord {
    bool found;        // the resource exists, whether or not it could be loaded
    DWORD size;
    const void* bytes; // null when missing or not loadable
};

class LocatedRecords {
public:
    LocatedRecords() = default;
    LocatedRecords(const LocatedRecords&) = delete;
    LocatedRecords& operator=(const LocatedRecords&) = delete;

    void Clear();
    // The capability record with resource id id (16 bits), looked up at its first use. Ids
    // outside the store's blocks are looked up every time.
    StoreRecord Locate(unsigned int id);

private:
    static constexpr unsigned kFirstId = CAP_FIRST_BASE_ID;
    static constexpr unsigned kIdCount = CAP_LAST_BASE_ID + CAP_BLOCK_STEP - CAP_FIRST_BASE_ID;

    struct Slot {
        bool known;
        StoreRecord record;
    };

    Slot m_slots[kIdCount] = {};
    const void* m_module = nullptr; // the module the known slots were found in
};
