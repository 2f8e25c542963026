// Byte-block operations: fill, copy, compare, complement, OR, and the backward scans for the last
// byte that differs from 0x00 or 0xFF. Blocks need no alignment; words are loaded and stored
// through memcpy, and fills, copies and comparisons run on the C library's wide routines.
#include <stdint.h>
#include <string.h>

#include "qzw9svb/cs_memutil.h"

namespace {

constexpr ULONG kWord = 4;

#ifdef _WIN32
// The C library's memcpy lies in another module on Windows; for a block as small as a capability
// record the call costs more than the copy, which is done here instead.
constexpr ULONG kSmallCopy = 256;
constexpr ULONG kCopyChunk = 16;

// Copies in chunks the compiler moves with single loads and stores, then the rest byte by byte;
// kept from being turned back into a call of memcpy.
__attribute__((optimize("no-tree-loop-distribute-patterns"))) void CopySmall(unsigned char* to,
                                                                           const unsigned char* from, ULONG count)
{
    for (; count >= kCopyChunk; count -= kCopyChunk, to += kCopyChunk, from += kCopyChunk)
        __builtin_memcpy(to, from, kCopyChunk);
    for (; count; --count)
        *to++ = *from++;
}
#endif

uint32_t LoadWord(const unsigned char* at)
{
    uint32_t word;
    memcpy(&word, at, sizeof(word));
    return word;
}

uint64_t LoadDoubleWord(const unsigned char* at)
{
    uint64_t word;
    memcpy(&word, at, sizeof(word));
    return word;
}

void StoreWord(unsigned char* at, uint32_t word)
{
    memcpy(at, &word, sizeof(word));
}

// destination = combine(destination, first, second), whole words front to back, then the
// remaining bytes. Word by word keeps the result defined when destination is first (in place).
template <typename Combine>
void CombineInto(unsigned char* destination, const unsigned char* first, const unsigned char* second,
                 ULONG count, Combine combine)
{
    ULONG at = 0;
    for (; count - at >= kWord; at += kWord)
        StoreWord(destination + at, combine(LoadWord(destination + at), LoadWord(first + at), LoadWord(second + at)));
    for (; at < count; ++at)
        destination[at] = static_cast<unsigned char>(combine(destination[at], first[at], second[at]));
}

// Length of the shortest leading part of the block that holds every byte other than fill.
// Scans from the end: the bytes after the last whole word, then 64-byte stretches and whole
// words backwards, then the bytes of the first differing word from its last one.
template <unsigned char Fill>
ULONG LengthToLastOther(const unsigned char* block, ULONG count)
{
    constexpr uint64_t fillWide = Fill * UINT64_C(0x0101010101010101);
    constexpr uint32_t fillWord = static_cast<uint32_t>(fillWide);
    constexpr ULONG kStretch = 64;

    ULONG end = count;
    for (; end % kWord != 0; --end) {
        if (block[end - 1] != Fill)
            return end;
    }
    for (; end >= kStretch; end -= kStretch) {
        const unsigned char* stretch = block + end - kStretch;
        uint64_t differs = 0;
        for (ULONG at = 0; at < kStretch; at += sizeof(uint64_t))
            differs |= LoadDoubleWord(stretch + at) ^ fillWide;
        if (differs != 0)
            break;
    }
    for (; end >= kWord && LoadWord(block + end - kWord) == fillWord; end -= kWord) {
    }
    while (end > 0 && block[end - 1] == Fill)
        --end;
    return end;
}

} // namespace

void CS_CALL CSZeroMemory(void* block, ULONG count)
{
    if (count != 0)
        memset(block, 0, count);
}

void CS_CALL CSSetMemory(void* block, ULONG count, unsigned char value)
{
    if (count != 0)
        memset(block, value, count);
}

void CS_CALL CSCopyMemory(const void* src, void* dst, ULONG count)
{
#ifdef _WIN32
    if (count <= kSmallCopy) {
        CopySmall(static_cast<unsigned char*>(dst), static_cast<const unsigned char*>(src), count);
        return;
    }
#endif
    if (count != 0)
        memcpy(dst, src, count);
}

void* CS_CALL CSMoveMemory(const void* src, void* dst, ULONG count)
{
    if (count != 0)
        memmove(dst, src, count);
    return dst;
}

int CS_CALL CSCompareMemory(const void* a, const void* b, ULONG count)
{
    if (count == 0)
        return 0;
    int order = memcmp(a, b, count);
    return (order > 0) - (order < 0);
}

void CS_CALL CSFlipMemory(void* dst, const void* src, ULONG count)
{
    auto* source = static_cast<const unsigned char*>(src);
    CombineInto(static_cast<unsigned char*>(dst), source, source, count,
                [](auto, auto value, auto) { return ~value; });
}

void CS_CALL CSOrMemory(void* dst, const void* src, ULONG count)
{
    auto* source = static_cast<const unsigned char*>(src);
    CombineInto(static_cast<unsigned char*>(dst), source, source, count,
                [](auto destination, auto value, auto) { return destination | value; });
}

void CS_CALL CSMergeOrMemory(void* dst, const void* a, const void* b, ULONG count)
{
    CombineInto(static_cast<unsigned char*>(dst), static_cast<const unsigned char*>(a),
                static_cast<const unsigned char*>(b), count,
                [](auto destination, auto first, auto second) { return destination | first | second; });
}

ULONG CS_CALL CSIsAllZeros(const void* block, ULONG count)
{
    return LengthToLastOther<0x00>(static_cast<const unsigned char*>(block), count);
}

ULONG CS_CALL CSIsAllFFs(const void* block, ULONG count)
{
    return LengthToLastOther<0xFF>(static_cast<const unsigned char*>(block), count);
}
