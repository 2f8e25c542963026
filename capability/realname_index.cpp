// The realname index: one pass over a name folds it into a zero-padded key; the key's hash names
// the slot where probing starts, and a whole-word comparison of keys settles each candidate.
#include "realname_index.h"

#include <string.h>

#include "qzw9svb/cis_string_list.h"

namespace {

using Key = RealnameIndex::Key;

// 'A'-'Z' to 'a'-'z', every other byte as it is: the folding of CSStrcmpi.
struct FoldTable {
    unsigned char bytes[256];
    constexpr FoldTable() : bytes()
    {
        for (unsigned byte = 0; byte < 256; ++byte)
            bytes[byte] = static_cast<unsigned char>(byte - 'A' < 26u ? byte + ('a' - 'A') : byte);
    }
};
constexpr FoldTable kFold;

// Folds text up to its terminator, looking at no more than limit + 1 bytes (limit at most
// kLongestName); a text that goes on past limit gets a length no stored name has. Inlined: it is
// the lookup's main cost, and a call would copy the key out.
inline __attribute__((always_inline)) Key KeyOf(const char* text, ULONG limit)
{
    Key key = {};
    auto* folded = reinterpret_cast<unsigned char*>(key.words);
    const auto* bytes = reinterpret_cast<const unsigned char*>(text);
    ULONG length = 0;
    while (length <= limit && bytes[length])
        folded[length] = kFold.bytes[bytes[length]], ++length;
    if (length > limit) {
        key = Key{};
        key.length = RealnameIndex::kLongestName + 1;
        return key;
    }
    key.length = length;
    uint64_t hash = length;
    for (unsigned word = 0; word <= length / 8; ++word)
        hash = (hash ^ key.words[word]) * 0x9E3779B97F4A7C15ull;
    key.hash = static_cast<ULONG>(hash >> 32);
    return key;
}

inline bool SameKey(const Key& a, const Key& b)
{
    if (a.length != b.length)
        return false;
    for (unsigned word = 0; word <= a.length / 8; ++word)
        if (a.words[word] != b.words[word])
            return false;
    return true;
}

} // namespace

void RealnameIndex::Clear()
{
    memset(m_slots, 0, sizeof(m_slots));
    m_count = 0;
    m_longest = 0;
}

const RealnameIndex::Entry* RealnameIndex::Lookup(const Key& key) const
{
    for (unsigned slot = key.hash & (kSlotCount - 1); m_slots[slot]; slot = (slot + 1) & (kSlotCount - 1)) {
        const Entry& entry = m_entries[m_slots[slot] - 1];
        if (entry.key.hash == key.hash && SameKey(entry.key, key))
            return &entry;
    }
    return nullptr;
}

void RealnameIndex::Build(CISStringList& names, const LONG* baseIds, LONG count)
{
    Clear();
    for (LONG i = 1; i <= count && m_count < kCapacity; ++i) {
        const char* text = names.Find(static_cast<unsigned char>(i));
        if (!text)
            continue;
        const Key key = KeyOf(text, kLongestName);
        if (key.length > kLongestName || Lookup(key))
            continue;
        unsigned slot = key.hash & (kSlotCount - 1);
        while (m_slots[slot])
            slot = (slot + 1) & (kSlotCount - 1);
        m_entries[m_count] = {key, baseIds[i - 1]};
        m_slots[slot] = static_cast<unsigned char>(++m_count);
        if (key.length > m_longest)
            m_longest = key.length;
    }
}

LONG RealnameIndex::Find(const char* name) const
{
    if (!m_count)
        return 0;
    const Key key = KeyOf(name, m_longest);
    if (key.length > m_longest)
        return 0;
    const Entry* entry = Lookup(key);
    return entry ? entry->baseId : 0;
}
