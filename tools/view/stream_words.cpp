// The words for each part of a stream.
#include "stream_words.h"

#include <stdarg.h>
#include <stdio.h>
#include <string.h>

#include "pml_words.h"
#include "printer/lead_in_documents.h"
#include "printer/paper_sizes.h"
#include "printer/pcl_writer.h"

namespace {

constexpr uint8_t kFormFeed = 0x0C;
const char* const kInkNames[] = {"black", "cyan", "magenta", "yellow"};
constexpr size_t kInks = sizeof(kInkNames) / sizeof(kInkNames[0]);

std::string Printf(const char* format, ...) __attribute__((format(printf, 1, 2)));
std::string Printf(const char* format, ...)
{
    char text[256];
    va_list arguments;
    va_start(arguments, format);
    vsnprintf(text, sizeof(text), format, arguments);
    va_end(arguments);
    return text;
}

std::string Hex(const uint8_t* bytes, size_t size)
{
    std::string text;
    for (size_t i = 0; i < size && i < 16; ++i)
        text += Printf("%s%02X", i ? " " : "", bytes[i]);
    return size > 16 ? text + " ..." : text;
}

bool Is(const char* group, const char* expected)
{
    return strncmp(group, expected, 2) == 0;
}

std::string InkName(size_t component)
{
    return component < kInks ? kInkNames[component] : "component " + std::to_string(component + 1);
}

std::string PaperName(long code)
{
    for (size_t i = 0; i < kPaperSizeCount; ++i)
        if (kPaperSizes[i].code == code)
            return kPaperSizes[i].text;
    return code == 101 ? "custom" : "code " + std::to_string(code) + ", not one the printer takes";
}

std::string Components(const RasterFormat& format)
{
    std::string text;
    for (size_t i = 0; i < format.count; ++i) {
        const RasterComponent& c = format.components[i];
        text += Printf("%s%s %ux%u dpi %u levels", i ? ", " : "", InkName(i).c_str(), c.xDpi, c.yDpi, c.levels);
    }
    return text;
}

std::string Inks(unsigned components)
{
    std::string text;
    for (size_t i = 0; i < kMaxComponents; ++i)
        if (components & (1u << i))
            text += (text.empty() ? "" : ", ") + InkName(i);
    return text.empty() ? "no ink" : text;
}

class Describer final : public StreamVisitor {
public:
    explicit Describer(StreamWords& words) : words_(words) {}

    void Text(size_t offset, const uint8_t* bytes, size_t size) override
    {
        for (size_t at = 0; at < size;) {
            size_t end = at + 1;
            if (bytes[at] == 0) {
                while (end < size && bytes[end] == 0)
                    ++end;
                Line(offset + at, Printf("%zu NUL bytes", end - at) + (offset + at == 0 ? ": a lead-in for the printer to wake on" : ""));
            } else if (bytes[at] == kFormFeed) {
                Line(offset + at, "FF: the sheet is fed out");
            } else {
                while (end < size && bytes[end - 1] != '\n' && bytes[end] != 0 && bytes[end] != kFormFeed)
                    ++end;
                Line(offset + at, TextLine(std::string(reinterpret_cast<const char*>(bytes + at), end - at)));
            }
            at = end;
        }
    }

    void Escape(size_t offset, char command) override
    {
        Line(offset, command == 'E' ? "ESC E: printer reset" : Printf("ESC %c", command));
    }

    void Parameter(size_t offset, const char* group, const PclParameter& p) override
    {
        // Inside raster graphics the page's summary tells its moves.
        if (inRaster_ && Is(group, "*b") && (p.letter == 'y' || p.letter == 'Y'))
            return;
        const std::string command = "ESC " + ParameterText(group, p);
        const std::string words = Words(group, p);
        Line(offset, words.empty() ? command : command + ": " + words);
    }

    void RasterStart(size_t offset, const RasterFormat& format) override
    {
        inRaster_ = true;
        summary_.RasterStart(offset, format);
    }
    void RasterMove(unsigned fromRow, unsigned rows) override { summary_.RasterMove(fromRow, rows); }
    void RasterGroup(const RasterGroupRead& group) override { summary_.RasterGroup(group); }
    void RasterEnd(size_t offset, unsigned rows) override
    {
        inRaster_ = false;
        summary_.RasterEnd(offset, rows);
        DescribePage(summary_.Pages().back(), summary_.Pages().size());
    }

    const std::vector<RasterPageSummary>& Pages() const { return summary_.Pages(); }

private:
    void Line(size_t offset, const std::string& text) { words_.lines.push_back(Printf("%8zu  ", offset) + text); }
    // A line about the part above it, without an offset of its own.
    void Detail(const std::string& text) { words_.lines.push_back("          " + text); }

    static std::string TextLine(std::string line)
    {
        while (!line.empty() && (line.back() == '\n' || line.back() == '\r'))
            line.pop_back();
        if (line.rfind("@PJL ENTER LANGUAGE=", 0) == 0)
            return line + ": the job is in " + line.substr(20);
        if (line.rfind("@PJL JOB", 0) == 0)
            return line + ": a job starts";
        if (line == "@PJL EOJ")
            return line + ": the job ends";
        for (char& c : line)
            if (static_cast<unsigned char>(c) < 0x20 || static_cast<unsigned char>(c) > 0x7E)
                c = '.';
        return "text: " + line;
    }

    static std::string Words(const char* group, const PclParameter& p)
    {
        const char letter = p.Letter();
        if (Is(group, "%") && letter == 'X' && p.value == kUniversalExitValue)
            return "over to PJL";
        if (Is(group, "&l") && letter == 'A')
            return "paper size " + PaperName(p.value);
        if (Is(group, "&l") && letter == 'H')
            return "paper source " + std::to_string(p.value);
        if (Is(group, "&l") && letter == 'M')
            return p.value == 0 ? "plain paper" : "media type " + std::to_string(p.value);
        if (Is(group, "*o") && letter == 'M')
            return p.value < 0 ? "draft quality" : p.value == 0 ? "normal quality" : "best quality";
        if (Is(group, "&u") && letter == 'D')
            return Printf("units of 1/%ld inch", p.value);
        if (Is(group, "*p") && (letter == 'X' || letter == 'Y'))
            return Printf("%s position %ld", letter == 'X' ? "horizontal" : "vertical", p.value);
        if (Is(group, "*r") && letter == 'A')
            return "raster graphics start";
        if (Is(group, "*r") && (letter == 'C' || letter == 'B'))
            return "raster graphics end";
        if (Is(group, "*b") && letter == 'M')
            return Printf("compression method %ld", p.value);
        if (letter != 'W')
            return "";
        return DataWords(group, p);
    }

    static std::string DataWords(const char* group, const PclParameter& p)
    {
        if (Is(group, "*g")) {
            RasterFormat format;
            const char* problem = DecodeRasterConfiguration(p.data, p.dataLength, &format);
            return problem ? problem : "raster of " + Components(format);
        }
        if (Is(group, "&b")) {
            PmlSetRead set;
            const char* problem = DecodePmlSet(p.data, p.dataLength, &set);
            return problem ? problem : DescribePmlSet(set);
        }
        if (Is(group, "&i") && p.dataLength == sizeof(kSelfTestCommandData) &&
            memcmp(p.data, kSelfTestCommandData, p.dataLength) == 0)
            return "print the self-test page";
        return "device setting " + Hex(p.data, p.dataLength);
    }

    void DescribePage(const RasterPageSummary& page, size_t number)
    {
        const unsigned dpi = page.format.GroupDpi();
        Detail(Printf("raster page %zu: %.2f x %.2f inches (%u rows at %u dpi), %zu printed rows in %zu bands",
                                      number, page.WidthInches(), page.LengthInches(), page.rows, dpi, page.printedRows,
                                      page.bands.size()));
        Detail("  components: " + Components(page.format));
        for (size_t i = 0; i < page.bands.size(); ++i)
            Detail(Printf("  band %zu: rows %u-%u, ", i + 1, page.bands[i].firstRow, page.bands[i].lastRow) +
                                       Inks(page.bands[i].componentsWithInk));
        std::string coverage = "  ink coverage:";
        for (size_t i = 0; i < page.format.count; ++i)
            coverage += Printf("%s %s %.2f%%", i ? "," : "", InkName(i).c_str(), 100 * page.Coverage(i));
        Detail(coverage);
    }

    StreamWords& words_;
    RasterSummary summary_;
    bool inRaster_ = false;
};

} // namespace

StreamWords DescribeStream(const uint8_t* data, size_t size)
{
    StreamWords words;
    Describer describer(words);
    words.fault = ReadPrinterStream(data, size, describer);
    words.pages = describer.Pages();
    return words;
}
