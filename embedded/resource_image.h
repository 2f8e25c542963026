// A compiled resource file (.res, as the resource compiler writes it) held in memory: the
// library's resources outside a Windows module, found by numeric type and name.
#pragma once
#include <stddef.h>

#include <vector>

struct ResourceEntry {
    unsigned type;
    unsigned name;
    const unsigned char* bytes;
    size_t size;
};

class ResourceImage {
public:
    // Reads the entries; an entry that runs past the end ends the list there. Entries named by
    // text rather than number are passed over: the library names all of its own by number.
    ResourceImage(const unsigned char* bytes, size_t size);

    // The first entry with this type and name; null when there is none. (The library's resource
    // scripts hold every resource once, language neutral.)
    const ResourceEntry* Find(unsigned type, unsigned name) const;

private:
    std::vector<ResourceEntry> m_entries;
};
