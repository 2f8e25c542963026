// PML set commands of any value type: encoding round trips, big-endian integers of fixed width, and
// the decoder's refusal of data that is not exactly one command.
#include <gtest/gtest.h>

#include <string>
#include <vector>
#include "pml_command.h"
#include "stream_listing.h"

namespace {

using qz_jobs::Bytes;
using qz_jobs::PmlSet;

// The data of the one ESC &b<n>W command an encoding makes, as the job verifiers read it.
Bytes CommandData(const Bytes& command)
{
    const std::vector<qz_jobs::ListedElement> elements = qz_jobs::ListStream(command);
    EXPECT_EQ(1u, elements.size());
    EXPECT_EQ(0u, elements.at(0).command.rfind("&b", 0));
    return elements.at(0).data;
}

TEST(PmlInteger, BigEndianAtTheRequestedWidth)
{
    struct Case { std::uint32_t value; std::size_t width; Bytes bytes; };
    const std::vector<Case> cases = {
        {300, 2, {0x01, 0x2C}}, {100, 1, {0x64}}, {4, 2, {0x00, 0x04}},
        {0, 1, {0x00}}, {0x01020304, 4, {0x01, 0x02, 0x03, 0x04}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.value) + " in " + std::to_string(c.width) + " bytes");
        EXPECT_EQ(c.bytes, qz_jobs::PmlInteger(c.value, c.width).bytes);
    }
}

TEST(PmlInteger, MinimalWidthAndValuesThatDoNotFit)
{
    EXPECT_EQ(1u, qz_jobs::MinimalWidth(0));
    EXPECT_EQ(1u, qz_jobs::MinimalWidth(0xFF));
    EXPECT_EQ(2u, qz_jobs::MinimalWidth(0x100));
    EXPECT_EQ(4u, qz_jobs::MinimalWidth(0x01000000));
    EXPECT_THROW(qz_jobs::PmlInteger(0x100, 1), std::invalid_argument);
    EXPECT_THROW(qz_jobs::PmlInteger(1, 0), std::invalid_argument);
    EXPECT_THROW(qz_jobs::PmlInteger(1, 5), std::invalid_argument);
}

TEST(PmlSetCommand, EncodesTheItemsInOrder)
{
    const PmlSet set{{0x01, 0x01, 0x05, 0x02}, {0x04, {0x04, 0x4C}}};
    const Bytes expected = {0x1B, '&', 'b', '1', '5', 'W', 'P', 'M', 'L', ' ', 0x04,
                            0x00, 0x04, 0x01, 0x01, 0x05, 0x02, 0x04, 0x02, 0x04, 0x4C};
    EXPECT_EQ(expected, qz_jobs::EncodePmlSet(set));
}

TEST(PmlSetCommand, OtherValueTypesAndLengthsRoundTrip)
{
    const std::vector<PmlSet> sets = {
        {{0x01}, {0x08, {}}},
        {{0x01, 0x02, 0x03}, {0x0C, {0x80, 0x00, 0x00, 0x01}}},
        {Bytes(255, 0x07), {0x10, Bytes(255, 0xAA)}},
    };
    for (const PmlSet& set : sets) {
        SCOPED_TRACE("value type " + std::to_string(set.value.type));
        const Bytes data = CommandData(qz_jobs::EncodePmlSet(set));
        EXPECT_EQ(4 + 1 + 2 + set.objectId.size() + 2 + set.value.bytes.size(), data.size());
        const PmlSet decoded = qz_jobs::DecodePmlSet(data);
        EXPECT_EQ(set.objectId, decoded.objectId);
        EXPECT_EQ(set.value.type, decoded.value.type);
        EXPECT_EQ(set.value.bytes, decoded.value.bytes);
    }
    EXPECT_THROW(qz_jobs::EncodePmlSet({Bytes(256, 0x01), {}}), std::invalid_argument);
}

TEST(PmlSetCommand, DecoderRejectsAnythingButOneCommand)
{
    const Bytes good = CommandData(qz_jobs::EncodePmlSet({{0x01, 0x04}, {0x04, {0x64}}}));
    struct Case { const char* label; Bytes data; };
    std::vector<Case> cases = {
        {"empty", {}},
        {"no signature", Bytes(good.begin() + 1, good.end())},
        {"value cut short", Bytes(good.begin(), good.end() - 1)},
        {"object header cut short", Bytes(good.begin(), good.begin() + 6)},
        {"trailing byte", good},
        {"not a set command", good},
        {"object item of another type", good},
    };
    cases[4].data.push_back(0x00);
    cases[5].data[4] = 0x01;
    cases[6].data[5] = 0x04;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_THROW(qz_jobs::DecodePmlSet(c.data), qz_jobs::JobFormatError);
    }
}

} // namespace
