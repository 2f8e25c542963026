// The library's module resources for native programs: the resource file compiled from the
// library's own resource script and placed into this program (library_resources.S), read as
// FindResourceExA and LoadStringA read them inside the DLL.
#include "platform/module_resource.h"

#include "resource_image.h"

// The compiled resource file, placed into the program by library_resources.S.
extern "C" const unsigned char qz_library_resources[];
extern "C" const unsigned char qz_library_resources_end[];

namespace {

constexpr unsigned kStringTable = 6; // RT_STRING: blocks of 16 strings
constexpr unsigned kStringsPerBlock = 16;
constexpr unsigned kUnrepresentable = '?'; // what the ANSI conversion writes for other characters

const ResourceImage& LibraryResources()
{
    static const ResourceImage image(qz_library_resources,
                                     static_cast<size_t>(qz_library_resources_end - qz_library_resources));
    return image;
}

} // namespace

// A type above the 16 bits is a name; the library names all of its own types by number.
ModuleResource::ModuleResource(const char* type, unsigned int id) : m_found(false), m_loaded(nullptr), m_size(0), m_bytes(nullptr)
{
    const uintptr_t number = reinterpret_cast<uintptr_t>(type);
    const ResourceEntry* entry =
        number <= kLargestResourceId ? LibraryResources().Find(static_cast<unsigned>(number), id & kLargestResourceId)
                                     : nullptr;
    if (!entry)
        return;
    m_found = true;
    m_size = static_cast<DWORD>(entry->size);
    m_bytes = entry->bytes;
}

ModuleResource::~ModuleResource() = default; // the bytes are the program's own

const void* ResourceModule()
{
    return qz_library_resources; // the program's own, for its whole life
}

// String id lives in block id / 16 + 1 at position id % 16; a block holds its sixteen strings
// one after the other, each a 16-bit length and that many UTF-16 units. The store's names are
// Latin-1 text, copied to the code page byte for byte.
int LoadModuleString(unsigned int id, char* buffer, int capacity)
{
    if (!buffer || capacity <= 0)
        return 0;
    id &= kLargestResourceId;
    buffer[0] = '\0';
    const ResourceEntry* block = LibraryResources().Find(kStringTable, id / kStringsPerBlock + 1);
    if (!block)
        return 0;
    size_t at = 0;
    auto unit = [&](size_t offset) { return static_cast<unsigned>(block->bytes[offset] | block->bytes[offset + 1] << 8); };
    for (unsigned position = 0; position < id % kStringsPerBlock; ++position) {
        if (at + 2 > block->size)
            return 0;
        at += 2 + 2 * static_cast<size_t>(unit(at));
    }
    if (at + 2 > block->size)
        return 0;
    const size_t length = unit(at);
    int copied = 0;
    for (size_t i = 0; i < length && copied < capacity - 1 && at + 4 + 2 * i <= block->size; ++i) {
        unsigned character = unit(at + 2 + 2 * i);
        buffer[copied++] = static_cast<char>(character < 0x100 ? character : kUnrepresentable);
    }
    buffer[copied] = '\0';
    return copied;
}
