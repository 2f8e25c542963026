// RealnameIndex: the store's realnames folded to lower case and hashed once, so that a query
// finds the base id of its name without comparing it with every realname in turn.
#pragma once
#include <stdint.h>

#include "qzw9svb/cs_abi.h"
#include "resources/resource_ids.h"

class CISStringList;

class RealnameIndex {
public:
    // Texts longer than this are never equal to a realname.
    static constexpr unsigned kLongestName = CAP_NAME_CAPACITY - 1;

    RealnameIndex() = default;
    RealnameIndex(const RealnameIndex&) = delete;
    RealnameIndex& operator=(const RealnameIndex&) = delete;

    // Forgets every name: Find answers 0 until the next Build.
    void Clear();
    // Indexes realnames 1 to count of the list, realname i with base id baseIds[i - 1]. A name
    // equal to an earlier one is left out, so the first one found keeps answering for it; a
    // position the list cannot give, or a name longer than kLongestName, is skipped.
    void Build(CISStringList& names, const LONG* baseIds, LONG count);
    // The base id of the realname equal to name, whole and with 'A'-'Z' folded as CSStrcmpi
    // folds them; 0 when there is none. name is read up to its terminator, or up to one byte
    // past the longest realname.
    LONG Find(const char* name) const;

    // A text folded and padded with zeros to whole words, so that two keys compare by words.
    struct Key {
        static constexpr unsigned kWords = (kLongestName + 1 + 7) / 8;
        uint64_t words[kWords];
        ULONG length; // kLongestName + 1 for a text longer than that
        ULONG hash;
    };

private:
    static constexpr unsigned kCapacity = 255;  // what a CISStringList can hold
    static constexpr unsigned kSlotCount = 512; // a power of two, at least twice the capacity

    struct Entry {
        Key key;
        LONG baseId;
    };

    const Entry* Lookup(const Key& key) const;

    Entry m_entries[kCapacity] = {};
    unsigned char m_slots[kSlotCount] = {}; // entry number + 1; 0 is an empty slot
    unsigned m_count = 0;
    ULONG m_longest = 0;
};
