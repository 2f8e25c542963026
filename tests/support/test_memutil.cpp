// Byte-block operations against plain byte loops over every start offset and short length, the
// scans for the last non-fill byte, and the heap and flat-address helpers.
#include <gtest/gtest.h>

#include <stdint.h>
#include <string.h>

#include <vector>

#include "qzw9svb/cs_memutil.h"

namespace {

using Bytes = std::vector<unsigned char>;
constexpr size_t kGuard = 8; // bytes on either side that no operation may touch

// Deterministic bytes with runs of 0x00 and 0xFF among the others.
Bytes Pattern(size_t size, unsigned seed)
{
    Bytes bytes(size);
    uint32_t state = seed * 2654435761u + 1;
    for (auto& byte : bytes) {
        state = state * 1103515245u + 12345u;
        unsigned pick = state >> 24;
        byte = pick < 40 ? 0x00 : pick < 80 ? 0xFF : static_cast<unsigned char>(pick * 7);
    }
    return bytes;
}

// Runs check(start, length) for start offsets 0-7 and lengths 0-40; a buffer of
// start + length + kGuard bytes then holds the block at start with guards around it.
template <typename Check> void ForEachLayout(Check check)
{
    for (size_t offset = 0; offset < 8; ++offset) {
        for (size_t length = 0; length <= 40; ++length) {
            SCOPED_TRACE(testing::Message() << "offset " << offset << ", length " << length);
            check(kGuard + offset, length);
        }
    }
}

TEST(BlockFill, SetZeroAndCopyTouchExactlyTheBlock)
{
    ForEachLayout([](size_t start, size_t length) {
        const ULONG count = static_cast<ULONG>(length);
        Bytes actual = Pattern(start + length + kGuard, 1);
        Bytes expected = actual;
        CSSetMemory(&actual[start], count, 0x5C);
        memset(&expected[start], 0x5C, length);
        EXPECT_EQ(expected, actual);
        CSZeroMemory(&actual[start], count);
        memset(&expected[start], 0, length);
        EXPECT_EQ(expected, actual);

        const Bytes source = Pattern(length + 3, 2); // source misaligned against the destination
        CSCopyMemory(&source[3], &actual[start], count);
        for (size_t i = 0; i < length; ++i)
            expected[start + i] = source[3 + i];
        EXPECT_EQ(expected, actual);
    });
}

TEST(BlockFill, MoveHandlesOverlapInBothDirections)
{
    ForEachLayout([](size_t start, size_t length) {
        for (int shift = -6; shift <= 6; ++shift) {
            SCOPED_TRACE(testing::Message() << "shift " << shift);
            Bytes actual = Pattern(start + length + kGuard, 4);
            Bytes expected = actual;
            for (size_t i = 0; i < length; ++i)
                expected[start + shift + i] = actual[start + i];
            unsigned char* destination = &actual[start + shift];
            EXPECT_EQ(destination, CSMoveMemory(&actual[start], destination, static_cast<ULONG>(length)));
            EXPECT_EQ(expected, actual);
        }
    });
}

TEST(BlockCompare, FirstDifferenceDecidesAsUnsignedBytes)
{
    ForEachLayout([](size_t start, size_t length) {
        const Bytes same = Pattern(start + length, 5);
        EXPECT_EQ(0, CSCompareMemory(&same[start], &Bytes(same)[start], static_cast<ULONG>(length)));
        for (size_t at = 0; at < length; ++at) {
            Bytes low = same;
            Bytes high = same;
            low[start + at] = 0x01;
            high[start + at] = 0xFE; // above 0x01 only when compared unsigned
            if (at + 1 < length) { // a later difference the other way round must not count
                low[start + at + 1] = 0xFF;
                high[start + at + 1] = 0x00;
            }
            EXPECT_EQ(-1, CSCompareMemory(&low[start], &high[start], static_cast<ULONG>(length))) << at;
            EXPECT_EQ(1, CSCompareMemory(&high[start], &low[start], static_cast<ULONG>(length))) << at;
            EXPECT_EQ(0, CSCompareMemory(&low[start], &high[start], static_cast<ULONG>(at))) << at;
        }
    });
    const unsigned char a[] = {0x01, 0x80};
    const unsigned char b[] = {0x01, 0x7F};
    EXPECT_EQ(1, CSCompareMemory(a, b, 2));
    EXPECT_EQ(0, CSCompareMemory(nullptr, nullptr, 0));
}

TEST(BlockBits, FlipOrAndMergeOrMatchByteLoops)
{
    ForEachLayout([](size_t start, size_t length) {
        const ULONG count = static_cast<ULONG>(length);
        const size_t size = start + length + kGuard;
        const Bytes first = Pattern(size, 6);
        const Bytes second = Pattern(size, 7);
        const Bytes original = Pattern(size, 8);
        Bytes flipped = original, inPlace = first, ored = original, merged = original;
        Bytes flipExpected = original, inPlaceExpected = first, orExpected = original, mergeExpected = original;
        for (size_t i = start; i < start + length; ++i) {
            flipExpected[i] = inPlaceExpected[i] = static_cast<unsigned char>(~first[i]);
            orExpected[i] = original[i] | first[i];
            mergeExpected[i] = original[i] | first[i] | second[i];
        }
        CSFlipMemory(&flipped[start], &first[start], count);
        CSFlipMemory(&inPlace[start], &inPlace[start], count);
        CSOrMemory(&ored[start], &first[start], count);
        CSMergeOrMemory(&merged[start], &first[start], &second[start], count);
        EXPECT_EQ(flipExpected, flipped);
        EXPECT_EQ(inPlaceExpected, inPlace);
        EXPECT_EQ(orExpected, ored);
        EXPECT_EQ(mergeExpected, merged);
    });
    const unsigned char source[] = {0x00, 0xFF, 0x0F, 0x12, 0x35};
    unsigned char flipped[5];
    CSFlipMemory(flipped, source, 5);
    EXPECT_EQ(0, memcmp(flipped, "\xFF\x00\xF0\xED\xCA", 5));
}

struct FillScan {
    const char* name;
    unsigned char fill;
    ULONG (*scan)(const void*, ULONG);
};
const FillScan kScans[] = {{"CSIsAllZeros", 0x00, CSIsAllZeros}, {"CSIsAllFFs", 0xFF, CSIsAllFFs}};

// Index of the last byte other than fill, plus one; 0 when there is none.
ULONG LengthToLastOther(const unsigned char* block, size_t count, unsigned char fill)
{
    while (count > 0 && block[count - 1] == fill)
        --count;
    return static_cast<ULONG>(count);
}

TEST(BlockScan, LastOtherByteAnywhereInShortAndLongBlocks)
{
    for (const FillScan& scan : kScans) {
        SCOPED_TRACE(scan.name);
        ForEachLayout([&](size_t start, size_t length) {
            Bytes buffer(start + length + kGuard, 0x3C); // guards hold other bytes
            unsigned char* block = &buffer[start];
            memset(block, scan.fill, length);
            EXPECT_EQ(0u, scan.scan(block, static_cast<ULONG>(length)));
            for (size_t last = 0; last < length; ++last) {
                block[last / 2] = 0x80; // an earlier other byte does not count
                block[last] = 0x01;
                EXPECT_EQ(last + 1, scan.scan(block, static_cast<ULONG>(length))) << "last other byte " << last;
                memset(block, scan.fill, length);
            }
        });
        for (size_t length : {63u, 64u, 65u, 127u, 200u, 1000u, 4099u}) {
            for (size_t offset = 0; offset < 4; ++offset) {
                SCOPED_TRACE(testing::Message() << "length " << length << ", offset " << offset);
                Bytes buffer(length + offset, scan.fill);
                unsigned char* block = &buffer[offset];
                for (size_t last = 0; last < length; last += 1 + last / 7) {
                    block[last] = static_cast<unsigned char>(scan.fill ^ 0x10);
                    EXPECT_EQ(last + 1, scan.scan(block, static_cast<ULONG>(length))) << "last other byte " << last;
                }
                const Bytes mixed = Pattern(length, static_cast<unsigned>(length + offset));
                EXPECT_EQ(LengthToLastOther(mixed.data(), length, scan.fill),
                          scan.scan(mixed.data(), static_cast<ULONG>(length)));
            }
        }
    }
    EXPECT_EQ(2u, CSIsAllZeros("\x00\x05\x00\x00\x00", 5));
    EXPECT_EQ(3u, CSIsAllFFs("\xFF\xFF\x7F\xFF\xFF\xFF", 6));
}

TEST(FlatAddress, BytesLeftAndNormalPointers)
{
    EXPECT_EQ(0u, CSBytesLeftInSeg(nullptr));
    EXPECT_EQ(16u, CSBytesLeftInSeg(reinterpret_cast<const void*>(uintptr_t{0xFFFFFFF0u})));
    EXPECT_EQ(0xFFFFF000u, CSBytesLeftInSeg(reinterpret_cast<const void*>(uintptr_t{0x1000u})));
    const char local = 0;
    EXPECT_EQ(0u - static_cast<ULONG>(reinterpret_cast<uintptr_t>(&local)), CSBytesLeftInSeg(&local));

    unsigned char bytes[16] = {};
    EXPECT_EQ(bytes + 4, CSMakeNormalPointer(bytes + 8, -4, 0));
    EXPECT_EQ(bytes + 4, CSMakeNormalPointer(bytes + 8, -4, 0xDEADBEEF));
    EXPECT_EQ(bytes + 15, CSMakeNormalPointer(bytes, 15, 7));
}

TEST(HeapState, IntactHeapAndSomeFreeAddressSpace)
{
    EXPECT_EQ(0, CSValidHeap());
    EXPECT_GT(CSGetFreeMemory(), 0u);
}

} // namespace
