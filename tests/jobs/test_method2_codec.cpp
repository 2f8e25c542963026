// Method-2 rows: the decoder on crafted control bytes (128 refused, runs cut short, repeats of
// 257 - c), and the encoder against the decoder on rows with runs of every length.
#include <gtest/gtest.h>

#include <string>
#include <vector>
#include "method2_codec.h"

namespace {

using qz_jobs::Bytes;

Bytes Expand(const Bytes& compressed)
{
    return qz_jobs::ExpandMethod2(compressed.data(), compressed.size());
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

TEST(Method2Decoder, RefusesMalformedData)
{
    struct Case { const char* label; Bytes data; };
    const std::vector<Case> cases = {
        {"control byte 128", {0x80, 0x00}},
        {"control byte 128 after a valid run", {0xFE, 0x11, 0x80}},
        {"literal run cut short", {0x03, 0x01, 0x02}},
        {"literal run without its bytes", {0x00}},
        {"repeat run without its byte", {0xFD}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_THROW(Expand(c.data), qz_jobs::JobFormatError);
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
        const Bytes compressed = qz_jobs::CompressMethod2(row);
        EXPECT_EQ(row, Expand(compressed));
        for (std::size_t at = 0; at < compressed.size();) {
            ASSERT_NE(128, compressed[at]) << "at " << at;
            at += compressed[at] < 128 ? compressed[at] + 2u : 2u;
        }
    }
}

TEST(Method2Encoder, CompressedSizesOfTypicalRows)
{
    EXPECT_EQ(10u, qz_jobs::CompressMethod2(Bytes(528, 0xFF)).size()) << "four full repeats and one of 16";
    EXPECT_EQ(2u, qz_jobs::CompressMethod2(Bytes(3, 0x00)).size());
    Bytes literal(200);
    for (std::size_t index = 0; index < literal.size(); ++index)
        literal[index] = static_cast<std::uint8_t>(index);
    EXPECT_EQ(202u, qz_jobs::CompressMethod2(literal).size()) << "two literal runs";
    EXPECT_EQ(Bytes({0x02, 0x01, 0x07, 0x07}), qz_jobs::CompressMethod2({0x01, 0x07, 0x07}))
        << "a pair stays inside the literal run";
}

} // namespace
