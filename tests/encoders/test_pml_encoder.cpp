// The run-time job encoders: decimal digits, PML set payloads, their wrapper, and the eleven
// commands of the alignment result job.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "printer/alignment_job.h"
#include "printer/pml_encoder.h"

namespace {

using Bytes = std::vector<unsigned char>;

const unsigned char kIdentifier[7] = {1, 4, 1, 5, 3, 2, 5};

Bytes Payload(LONG value)
{
    unsigned char buffer[kMaxPmlCommand];
    size_t length = BuildPmlSetInteger(buffer, kIdentifier, value);
    return Bytes(buffer, buffer + length);
}

Bytes ValueItem(const Bytes& payload)
{
    return Bytes(payload.begin() + 10, payload.end());
}

} // namespace

TEST(PmlEncoder, DecimalDigitsHaveNoLeadingZeros)
{
    const struct {
        ULONG value;
        const char* digits;
    } cases[] = {{0, "0"}, {7, "7"}, {16, "16"}, {1000, "1000"}, {4294967295u, "4294967295"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.digits);
        unsigned char text[12] = {};
        unsigned count = FormatDecimal(text, c.value);
        EXPECT_EQ(count, strlen(c.digits));
        EXPECT_EQ(memcmp(text, c.digits, count), 0);
        EXPECT_EQ(text[count], 0) << "no terminator is written";
    }
}

TEST(PmlEncoder, IntegerValuesTakeTheFewestBytes)
{
    const struct {
        LONG value;
        Bytes item;
    } cases[] = {
        {0, {0x08, 0x00}},
        {2, {0x08, 0x01, 0x02}},
        {255, {0x08, 0x01, 0xFF}},
        {256, {0x08, 0x02, 0x01, 0x00}},
        {-2, {0x08, 0x02, 0xFF, 0xFE}},
        {-8, {0x08, 0x02, 0xFF, 0xF8}},
        {0x10005, {0x08, 0x01, 0x05}}, // bits 8-15 clear: one byte, whatever lies above
        {0x123456, {0x08, 0x02, 0x34, 0x56}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        Bytes payload = Payload(c.value);
        EXPECT_EQ(Bytes(payload.begin(), payload.begin() + 10), (Bytes{0x04, 0x00, 0x07, 1, 4, 1, 5, 3, 2, 5}));
        EXPECT_EQ(ValueItem(payload), c.item);
        EXPECT_EQ(payload.size(), 12 + c.item.size() - 2);
    }
}

TEST(PmlEncoder, WrapperPutsTheHeaderInFrontOfThePayload)
{
    unsigned char buffer[kMaxPmlCommand] = {};
    size_t payload = BuildPmlSetFixed(buffer);
    ASSERT_EQ(payload, 12u);
    size_t length = WrapPmlCommand(buffer, payload);
    const Bytes expected = {0x1B, '&', 'b', '1', '6', 'W', 'P', 'M', 'L', ' ', 0x04, 0x00,
                            0x06, 0x01, 0x04, 0x01, 0x05, 0x01, 0x08, 0x20, 0x01, 0x0F};
    EXPECT_EQ(length, payload + 2 + 8);
    EXPECT_EQ(Bytes(buffer, buffer + length), expected);

    unsigned char longest[kMaxPmlCommand];
    memset(longest, 0xAB, kMaxPmlPayload);
    EXPECT_EQ(WrapPmlCommand(longest, kMaxPmlPayload), kMaxPmlPayload + 2 + 8);
    EXPECT_EQ(longest[kMaxPmlPayload + 9], 0xAB);
}

TEST(PmlEncoder, SetPayloadsAreRefusedWhenAnItemOrTheCapacityIsTooSmall)
{
    const struct {
        const char* label;
        size_t idLength;
        size_t valueLength;
        size_t capacity;
        size_t length;
    } cases[] = {
        {"fits exactly", 2, 1, 8, 8},
        {"empty value", 2, 0, 7, 7},
        {"one byte short", 2, 1, 7, 0},
        {"no room at all", 2, 1, 0, 0},
        {"longest object id", 255, 1, 300, 261},
        {"object id over 255 bytes", 256, 1, 600, 0},
        {"value over 255 bytes", 2, 256, 600, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        Bytes payload(c.capacity + 1, 0xEE);
        const Bytes id(c.idLength, 0x01);
        const Bytes value(c.valueLength, 0x2A);
        size_t length = BuildPmlSet(payload.data(), c.capacity, id.data(), id.size(), 0x04, value.data(), value.size());
        EXPECT_EQ(length, c.length);
        EXPECT_EQ(payload[c.capacity], 0xEE) << "nothing is written past the capacity";
        if (length != 0) {
            EXPECT_EQ(payload[3 + c.idLength], 0x04) << "the value item follows the object item";
        }
    }
}

TEST(AlignmentJob, ElevenCommandsInOrderAndNothingPastTheCapacity)
{
    AlignmentJobValues job = {{0, -2, -1, 8, -4, 2, 4, 0, 0, 0}};
    std::vector<unsigned char> buffer(2048, 0);
    ASSERT_EQ(BuildAlignmentCommands(buffer.data(), 2048, job), 1);
    const Bytes first = {0x1B, 0x26, 0x62, 0x31, 0x36, 0x57, 0x50, 0x4D, 0x4C, 0x20, 0x04,
                         0x00, 0x07, 0x01, 0x04, 0x01, 0x05, 0x03, 0x02, 0x05, 0x08, 0x00};
    EXPECT_TRUE(std::equal(first.begin(), first.end(), buffer.begin()));
    size_t used = 2048;
    while (used > 0 && buffer[used - 1] == 0)
        --used;
    EXPECT_LT(used, 300u);

    // The largest values make the longest job; it fits, and one byte less capacity refuses it.
    AlignmentJobValues widest = {{-0x8000, -0x8000, -0x8000, -0x8000, -0x8000, -0x8000, -0x8000, -0x8000, -0x8000, -0x8000}};
    std::vector<unsigned char> exact(2048, 0);
    ASSERT_EQ(BuildAlignmentCommands(exact.data(), 2048, widest), 1);
    size_t total = 10 * (3 + 2 + 5 + 14) + (3 + 2 + 5 + 12);
    std::vector<unsigned char> tight(total, 0xEE);
    EXPECT_EQ(BuildAlignmentCommands(tight.data(), static_cast<ULONG>(total), widest), 1);
    std::vector<unsigned char> short_(total - 1 + 8, 0xEE);
    EXPECT_EQ(BuildAlignmentCommands(short_.data(), static_cast<ULONG>(total - 1), widest), 0);
    EXPECT_EQ(short_[total - 1], 0xEE) << "a command that does not fit is not written at all";
}
