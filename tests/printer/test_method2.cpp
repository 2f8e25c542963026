// Method-2 rows: the decoder on crafted control bytes (128 refused, runs cut short, repeats of
// 257 - c), and the encoder against the decoder on rows with runs of every length.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "printer/method2.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr std::size_t kRoom = 65536;

// The expanded row, or the fault's problem as the row's text.
Bytes Expand(const Bytes& compressed)
{
    Bytes row(kRoom);
    std::size_t length = 0;
    const Method2Fault fault = ExpandMethod2(compressed.data(), compressed.size(), row.data(), row.size(), &length);
    if (fault.problem)
        return Bytes(fault.problem, fault.problem + std::strlen(fault.problem));
    row.resize(length);
    return row;
}

Bytes Compress(const Bytes& row)
{
    Bytes compressed(Method2Capacity(row.size()));
    compressed.resize(CompressMethod2(row.data(), row.size(), compressed.data()));
    EXPECT_LE(compressed.size(), Method2Capacity(row.size()));
    return compressed;
}

TEST(Method2Decoder, RepeatRunsGive257MinusControlCopies)
{
    for (unsigned control = 129; control <= 255; ++control) {
        SCOPED_TRACE("control " + std::to_string(control));
        EXPECT_EQ(Bytes(257 - control, 0x5A), Expand({static_cast<std::uint8_t>(control), 0x5A}));
    }
}

TEST(Method2Decoder, LiteralRunsGiveControlPlusOneBytes)
{
    for (unsigned control = 0; control <= 127; ++control) {
        SCOPED_TRACE("control " + std::to_string(control));
        Bytes literal(control + 1);
        for (std::size_t index = 0; index < literal.size(); ++index)
            literal[index] = static_cast<std::uint8_t>(index * 37 + 1);
        Bytes compressed = {static_cast<std::uint8_t>(control)};
        compressed.insert(compressed.end(), literal.begin(), literal.end());
        EXPECT_EQ(literal, Expand(compressed));
    }
}

TEST(Method2Decoder, RefusesMalformedDataWhereItLies)
{
    struct Case { const char* label; Bytes data; std::size_t offset; std::size_t room; };
    const std::vector<Case> cases = {
        {"control byte 128", {0x80, 0x00}, 0, kRoom},
        {"control byte 128 after a valid run", {0xFE, 0x11, 0x80}, 2, kRoom},
        {"literal run cut short", {0x03, 0x01, 0x02}, 0, kRoom},
        {"literal run without its bytes", {0x00}, 0, kRoom},
        {"repeat run without its byte", {0xFD}, 0, kRoom},
        {"row wider than the room", {0x81, 0x00, 0x81, 0x00}, 2, 200},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        Bytes row(c.room);
        std::size_t length = 1;
        const Method2Fault fault = ExpandMethod2(c.data.data(), c.data.size(), row.data(), row.size(), &length);
        EXPECT_NE(fault.problem, nullptr);
        EXPECT_EQ(fault.offset, c.offset);
        EXPECT_EQ(length, 0u);
    }
}

// Runs of every length from 1 to 300 between distinct bytes.
Bytes RowOfRuns()
{
    Bytes row;
    for (std::size_t length = 1; length <= 300; ++length)
        row.insert(row.end(), length, static_cast<std::uint8_t>(length));
    return row;
}

TEST(Method2Encoder, RoundTripsAndNeverUses128)
{
    std::vector<Bytes> rows = {
        {}, {0x00}, {0xAB, 0xAB}, Bytes(128, 0xFF), Bytes(129, 0xFF), Bytes(528, 0xFF), RowOfRuns()};
    Bytes noise(1000);
    for (std::size_t index = 0; index < noise.size(); ++index)
        noise[index] = static_cast<std::uint8_t>((index * 2654435761u) >> 13);
    rows.push_back(noise);
    for (const Bytes& row : rows) {
        SCOPED_TRACE("row of " + std::to_string(row.size()) + " bytes");
        const Bytes compressed = Compress(row);
        EXPECT_EQ(row, Expand(compressed));
        for (std::size_t at = 0; at < compressed.size();) {
            ASSERT_NE(128, compressed[at]) << "at " << at;
            at += compressed[at] < 128 ? compressed[at] + 2u : 2u;
        }
    }
}

TEST(Method2Encoder, CompressedSizesOfTypicalRows)
{
    EXPECT_EQ(10u, Compress(Bytes(528, 0xFF)).size()) << "four full repeats and one of 16";
    EXPECT_EQ(2u, Compress(Bytes(3, 0x00)).size());
    Bytes literal(200);
    for (std::size_t index = 0; index < literal.size(); ++index)
        literal[index] = static_cast<std::uint8_t>(index);
    EXPECT_EQ(202u, Compress(literal).size()) << "two literal runs";
    EXPECT_EQ(Bytes({0x02, 0x01, 0x07, 0x07}), Compress({0x01, 0x07, 0x07}))
        << "a pair stays inside the literal run";
}

} // namespace
