// The viewer on the library's own streams: what it says of the stored jobs and of the documents
// the library builds, the picture of the test page, and malformed input refused with its offset.
#include <gtest/gtest.h>
#include <png.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "page_png.h"
#include "printer/alignment_job.h"
#include "printer/lead_in_documents.h"
#include "printer/pml_encoder.h"
#include "stream_words.h"

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

Bytes StoredJob(const char* name)
{
    std::ifstream file(fs::path(QZ_STORED_JOBS_DIR) / name, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

std::string Words(const Bytes& stream)
{
    const StreamWords words = DescribeStream(stream.data(), stream.size());
    std::string text;
    for (const std::string& line : words.lines)
        text += line + "\n";
    return text + words.fault.problem;
}

Bytes SelfTestDocument()
{
    unsigned char document[kSelfTestDocumentSize];
    BuildSelfTestDocument(document);
    return Bytes(document, document + sizeof(document));
}

Bytes AlignmentJob(const AlignmentPatterns& patterns)
{
    Bytes job(kAlignmentJobSize);
    BuildAlignmentCommands(job.data(), kAlignmentJobSize, AlignmentValuesOf(patterns));
    return job;
}

Bytes PmlCommand(const Bytes& value, unsigned char type)
{
    const unsigned char object[] = {1, 2};
    Bytes payload(300);
    payload.resize(BuildPmlSet(payload.data(), payload.size(), object, sizeof(object), type, value.data(), value.size()));
    Bytes command(kMaxPmlHeader);
    command.resize(WritePmlHeader(command.data(), payload.size()));
    command.insert(command.end(), payload.begin(), payload.end());
    return command;
}

TEST(Viewer, SaysWhatEachStreamTellsThePrinter)
{
    const struct {
        const char* label;
        Bytes stream;
        std::vector<std::string> phrases;
    } cases[] = {
        {"cleaning level 1", StoredJob("job129.prn"),
         {"ENTER LANGUAGE=PCL3: the job is in PCL3", "PML set 1.4.1.5.1.1 = 300 (type 0x4): cleaning at level 1",
          "paper size US Letter", "@PJL EOJ: the job ends"}},
        {"cleaning level 3", StoredJob("job131.prn"), {"= 200 (type 0x4): cleaning at level 3"}},
        {"self-test page mode", StoredJob("job139.prn"), {"PML set 1.1.5.2 = 4 (type 0x4): print the self-test page"}},
        {"alignment page mode", StoredJob("job134.prn"), {"= 1100 (type 0x4): print the alignment page"}},
        {"built self-test", SelfTestDocument(), {"600 NUL bytes: a lead-in", "ESC &i5W: print the self-test page"}},
        {"alignment result", AlignmentJob({3, 5, 1, 2, 4}),
         {"1.4.1.5.3.2.5 = 0 (type 0x8): alignment group A, pattern A3",
          "1.4.1.5.3.3.5 = -2 (type 0x8): alignment group C, pattern C1",
          "= -1 (type 0x8): alignment average of groups A and C", "= 8 (type 0x8): alignment group B, pattern B5",
          "= 4 (type 0x8): alignment group E, pattern E4", "end of the alignment settings", " NUL bytes"}},
        {"signed, two bytes", PmlCommand({0xFF, 0xFE}, kPmlSignedValue), {"PML set 1.2 = -2 (type 0x8)"}},
        {"widest number", PmlCommand(Bytes(8, 0xFF), kPmlSignedValue), {"= -1 (type 0x8)"}},
        {"longer than a number", PmlCommand({0x80, 0, 0, 0, 0, 0, 0, 0, 0x01}, 4), {"= 0x800000000000000001 (type 0x4)"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        const std::string words = Words(c.stream);
        for (const std::string& phrase : c.phrases)
            EXPECT_NE(words.find(phrase), std::string::npos) << phrase << " in\n" << words;
    }
}

// The rows of a PNG that hold a pixel other than white.
std::vector<bool> InkedRows(const std::string& path, png_uint_32* width)
{
    png_image image = {};
    image.version = PNG_IMAGE_VERSION;
    EXPECT_TRUE(png_image_begin_read_from_file(&image, path.c_str()));
    image.format = PNG_FORMAT_RGB;
    Bytes pixels(PNG_IMAGE_SIZE(image));
    EXPECT_TRUE(png_image_finish_read(&image, nullptr, pixels.data(), 0, nullptr));
    *width = image.width;
    std::vector<bool> inked(image.height);
    for (png_uint_32 row = 0; row < image.height; ++row)
        for (png_uint_32 x = 0; x < 3 * image.width && !inked[row]; ++x)
            inked[row] = pixels[row * 3 * image.width + x] != 0xFF;
    return inked;
}

TEST(Viewer, TheTestPagesEightBandsInWordsAndInItsPicture)
{
    const Bytes job = StoredJob("job144.prn");
    const StreamWords words = DescribeStream(job.data(), job.size());
    ASSERT_TRUE(words.fault.problem.empty()) << words.fault.problem;
    ASSERT_EQ(words.pages.size(), 1u);
    const std::string text = Words(job);
    EXPECT_NE(text.find("541 printed rows in 8 bands"), std::string::npos) << text;
    EXPECT_NE(text.find("band 8: rows 1070-1136, black, cyan, magenta, yellow"), std::string::npos) << text;

    const std::string path = (fs::path(QZ_VIEW_WORK_DIR) / "job144.png").string();
    fs::create_directories(QZ_VIEW_WORK_DIR);
    ASSERT_EQ(WritePagePngs(job.data(), job.size(), words.pages, {path}), "");
    png_uint_32 width = 0;
    const std::vector<bool> inked = InkedRows(path, &width);
    EXPECT_EQ(width, 2112u) << "7.04 inches at 300 dpi";
    ASSERT_EQ(inked.size(), 3041u);
    std::vector<bool> printed(inked.size());
    for (const RasterBand& band : words.pages[0].bands)
        for (unsigned row = band.firstRow; row <= band.lastRow; ++row)
            printed[row] = true;
    EXPECT_TRUE(inked == printed) << "ink on exactly the rows the page prints";
}

TEST(Viewer, MalformedStreamsAreRefusedWithTheirOffset)
{
    const Bytes job = StoredJob("job144.prn");
    const struct {
        const char* label;
        Bytes stream;
        std::size_t offset;
    } cases[] = {
        // The run of transfers starts at 760 with ESC *b; its end ESC *rC is at 213592.
        {"cut inside the run's first parameter", Bytes(job.begin(), job.begin() + 764), 763},
        {"cut before raster graphics end", Bytes(job.begin(), job.begin() + 213592), 213592},
        {"garbage", {0x1B, 0x01, 0x02}, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        const StreamWords words = DescribeStream(c.stream.data(), c.stream.size());
        EXPECT_FALSE(words.fault.problem.empty());
        EXPECT_EQ(words.fault.offset, c.offset) << words.fault.problem;
        const std::string file = (fs::path(QZ_VIEW_WORK_DIR) / "malformed.prn").string();
        std::ofstream(file, std::ios::binary).write(reinterpret_cast<const char*>(c.stream.data()), c.stream.size());
        FILE* viewer = popen((std::string(QZ_VIEWER) + " " + file + " 2>&1 >/dev/null").c_str(), "r");
        char message[512] = "";
        ASSERT_NE(fgets(message, sizeof(message), viewer), nullptr);
        EXPECT_NE(WEXITSTATUS(pclose(viewer)), 0);
        EXPECT_NE(std::string(message).find("at byte " + std::to_string(c.offset)), std::string::npos) << message;
    }
}

} // namespace
