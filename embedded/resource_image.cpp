// The .res layout: a sequence of entries, each a header (data size, header size, type, name,
// then version, flags and language) followed by its data, each part aligned to 4 bytes. Type
// and name are either FFFF and a 16-bit number or a zero-terminated UTF-16 text.
#include "resource_image.h"

namespace {

constexpr unsigned kNumbered = 0xFFFF;
constexpr unsigned kNotNumbered = ~0u;
constexpr size_t kFixedHeaderTail = 16; // data version, memory flags, language, version, characteristics

size_t Align4(size_t offset)
{
    return (offset + 3) & ~static_cast<size_t>(3);
}

class Reader {
public:
    Reader(const unsigned char* bytes, size_t size) : m_bytes(bytes), m_size(size) {}

    bool Has(size_t offset, size_t count) const { return offset <= m_size && count <= m_size - offset; }
    unsigned Word(size_t offset) const { return m_bytes[offset] | m_bytes[offset + 1] << 8; }
    size_t Dword(size_t offset) const { return Word(offset) | static_cast<size_t>(Word(offset + 2)) << 16; }

    // A type or name at offset: its number (kNotNumbered for a text), and where the next field starts;
    // false when it runs past the end.
    bool Identifier(size_t& offset, unsigned& number) const
    {
        if (!Has(offset, 2))
            return false;
        if (Word(offset) == kNumbered) {
            if (!Has(offset, 4))
                return false;
            number = Word(offset + 2);
            offset += 4;
            return true;
        }
        number = kNotNumbered;
        for (; Has(offset, 2); offset += 2)
            if (Word(offset) == 0) {
                offset += 2;
                return true;
            }
        return false;
    }

private:
    const unsigned char* m_bytes;
    size_t m_size;
};

} // namespace

ResourceImage::ResourceImage(const unsigned char* bytes, size_t size)
{
    const Reader reader(bytes, size);
    for (size_t entry = 0; reader.Has(entry, 8);) {
        const size_t dataSize = reader.Dword(entry), headerSize = reader.Dword(entry + 4);
        size_t field = entry + 8;
        unsigned type = 0, name = 0;
        if (headerSize < 8 || !reader.Has(entry, headerSize) || !reader.Has(entry + headerSize, dataSize) ||
            !reader.Identifier(field, type) || !reader.Identifier(field, name))
            break;
        field = Align4(field);
        if (field + kFixedHeaderTail > entry + headerSize)
            break;
        if (type != kNotNumbered && name != kNotNumbered)
            m_entries.push_back({type, name, bytes + entry + headerSize, dataSize});
        entry = Align4(entry + headerSize + dataSize);
    }
}

const ResourceEntry* ResourceImage::Find(unsigned type, unsigned name) const
{
    for (const ResourceEntry& entry : m_entries)
        if (entry.type == type && entry.name == name)
            return &entry;
    return nullptr;
}
