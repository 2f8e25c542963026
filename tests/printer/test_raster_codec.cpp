// The raster writer and reader: the stored test page decoded and written again byte for byte,
// planes of another raster form through both ways, and malformed rasters refused where they are.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "printer/raster_writer.h"
#include "printer/stream_reader.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes StoredJob(const char* name)
{
    std::ifstream file(std::filesystem::path(QZ_STORED_JOBS_DIR) / name, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

// Writes again, through a raster writer, every raster event it reads; keeps where the raster
// configuration began and where raster graphics ended.
struct Rewriter final : StreamVisitor {
    void Parameter(std::size_t offset, const char* group, const PclParameter&) override
    {
        if (std::string(group) == "*g")
            configurationOffset = offset;
    }
    void RasterStart(std::size_t, const RasterFormat& format) override
    {
        raster = std::make_unique<RasterWriter>(writer, format);
        raster->Start();
    }
    void RasterMove(unsigned, unsigned rows) override { raster->Move(rows); }
    void RasterGroup(const RasterGroupRead& group) override { raster->PutGroup(group.planes); }
    void RasterEnd(std::size_t offset, unsigned) override
    {
        raster->End();
        endOffset = offset;
    }

    BufferSink sink;
    PclWriter writer{sink};
    std::unique_ptr<RasterWriter> raster;
    std::size_t configurationOffset = 0, endOffset = 0;
};

TEST(RasterCodec, TheStoredTestPageDecodesAndWritesAgainByteForByte)
{
    const Bytes job = StoredJob("job144.prn");
    ASSERT_EQ(job.size(), 213608u);
    Rewriter rewriter;
    const StreamFault fault = ReadPrinterStream(job.data(), job.size(), rewriter);
    ASSERT_TRUE(fault.problem.empty()) << fault.problem << " at " << fault.offset;
    const std::size_t endCommand = 4; // ESC *rC
    Bytes again(job.begin(), job.begin() + static_cast<long>(rewriter.configurationOffset));
    again.insert(again.end(), rewriter.sink.Bytes().begin(), rewriter.sink.Bytes().end());
    again.insert(again.end(), job.begin() + static_cast<long>(rewriter.endOffset + endCommand), job.end());
    EXPECT_TRUE(again == job) << again.size() << " bytes written again";
}

// Groups as the reader gives them back: row and planes.
struct Collector final : StreamVisitor {
    void RasterGroup(const RasterGroupRead& group) override
    {
        std::vector<Bytes> planes;
        for (std::size_t i = 0; i < group.planeCount; ++i)
            planes.emplace_back(group.planes[i].bytes, group.planes[i].bytes + group.planes[i].size);
        groups.push_back({group.row, planes});
    }
    std::vector<std::pair<unsigned, std::vector<Bytes>>> groups;
};

TEST(RasterCodec, AnotherFormsPlanesComeBackWithBlankGroupsAsMoves)
{
    // Two components: one at 600 x 600 dpi with 8 levels (3 planes, two rows a group), one at 300
    // dpi with 2 levels: seven transfers a group.
    const RasterFormat format = {2, {{600, 600, 8}, {300, 300, 2}}};
    ASSERT_EQ(format.PlanesPerGroup(), 7u);
    const Bytes ink = {0xF0, 0x0F, 0x00, 0x81}, trailingWhite = {0x01, 0x00, 0x00}, blank = {0x00, 0x00};
    const std::vector<std::vector<Bytes>> written = {
        {ink, {}, trailingWhite, blank, blank, ink, blank},
        {blank, blank, blank, blank, blank, blank, blank},
        {blank, blank, blank, blank, blank, blank, Bytes(300, 0xAA)},
    };
    BufferSink sink;
    PclWriter writer(sink);
    RasterWriter raster(writer, format);
    raster.Start();
    raster.Move(5);
    for (const auto& group : written) {
        std::vector<PlaneRow> planes;
        for (const Bytes& plane : group)
            planes.push_back({plane.data(), plane.size()});
        raster.PutGroup(planes.data());
    }
    raster.PutGroup(std::vector<PlaneRow>(7, PlaneRow{blank.data(), blank.size()}).data()); // dropped at the end
    raster.End();
    EXPECT_EQ(raster.Row(), 8u);

    Collector collector;
    const StreamFault fault = ReadPrinterStream(sink.Bytes().data(), sink.Bytes().size(), collector);
    ASSERT_TRUE(fault.problem.empty()) << fault.problem << " at " << fault.offset;
    ASSERT_EQ(collector.groups.size(), 2u);
    EXPECT_EQ(collector.groups[0].first, 5u);
    EXPECT_EQ(collector.groups[1].first, 7u) << "the blank group went as a move";
    EXPECT_EQ(collector.groups[0].second[0], ink);
    EXPECT_EQ(collector.groups[0].second[2], Bytes{0x01}) << "without its white tail";
    EXPECT_TRUE(collector.groups[0].second[3].empty());
    EXPECT_EQ(collector.groups[1].second[6], Bytes(300, 0xAA));
}

// A stream with what comes after ESC *r1A of a one-component raster.
Bytes Raster(const std::string& afterStart, bool configure = true)
{
    const std::string configuration = configure ? std::string("\x1B*g8W\x02\x01\x02\x58\x02\x58\x00\x02", 13) : "";
    const std::string text = configuration + "\x1B*r1A" + afterStart;
    return Bytes(text.begin(), text.end());
}

TEST(RasterCodec, MalformedRastersAreRefusedWhereTheyAre)
{
    struct Case { const char* label; Bytes stream; std::size_t offset; };
    const std::string method = "\x1B*b2M";
    const std::vector<Case> cases = {
        {"no configuration", Raster("", false), 3},
        {"stream ends inside raster graphics", Raster(method), 23},
        {"reset inside raster graphics", Raster(method + "\x1B" "E"), 23},
        {"transfer before method 2", Raster("\x1B*b1W\x00\x1B*rC"), 21},
        {"another method", Raster("\x1B*b3M\x1B*rC"), 21},
        {"control byte 128", Raster(method + "\x1B*b2W\x80\x00\x1B*rC"), 26},
        {"transfer ends too early", Raster(method + std::string("\x1B*b0v\x1B*rC")), 26},
        {"upward move", Raster(method + "\x1B*b-1Y\x1B*rC"), 26},
        {"move past the longest raster", Raster(method + "\x1B*b60001Y\x1B*rC"), 26},
        {"bad configuration", Bytes{0x1B, '*', 'g', '2', 'W', 0x03, 0x01}, 3},
        {"second start", Raster("\x1B*r1A"), 21},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        Collector collector;
        const StreamFault fault = ReadPrinterStream(c.stream.data(), c.stream.size(), collector);
        EXPECT_FALSE(fault.problem.empty());
        EXPECT_EQ(fault.offset, c.offset) << fault.problem;
    }
}

} // namespace
