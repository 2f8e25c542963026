// Compares what two printer streams print, decoded with the printer layer's reader: for each
// page the paper-size codes and, per component, how many inked dots the two share.
//
//   compare_pages EXPECTED ACTUAL
//
// Prints one line of JSON: {"pages": [e, a], "faults": [e, a], "paper": [[e, a], ...],
// "agreement": [[c0, c1, ...], ...]}, where a component's agreement is the dots inked alike in
// both (the same intensity) over the dots inked in either, 1 when neither inks any.
#include <cstdio>
#include <string>
#include <vector>

#include "common/printed_pages.h"
#include "file_bytes.h"

namespace {

double Agreement(const PrintedComponent& expected, const PrintedComponent& actual)
{
    const unsigned width = std::max(expected.width, actual.width), height = std::max(expected.height, actual.height);
    std::size_t alike = 0, either = 0;
    for (unsigned y = 0; y < height; ++y)
        for (unsigned x = 0; x < width; ++x) {
            const unsigned e = expected.At(x, y), a = actual.At(x, y);
            either += e != 0 || a != 0;
            alike += e != 0 && e == a;
        }
    return either ? static_cast<double>(alike) / either : 1.0;
}

std::string Quoted(const std::string& text)
{
    std::string quoted = "\"";
    for (char c : text)
        quoted += c == '"' || c == '\\' ? std::string("\\") + c : std::string(1, c);
    return quoted + "\"";
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fputs("usage: compare_pages EXPECTED ACTUAL\n", stderr);
        return 2;
    }
    const PrintedStream expected = DecodePrintedPages(qz_tools::ReadFileBytes(argv[1]));
    const PrintedStream actual = DecodePrintedPages(qz_tools::ReadFileBytes(argv[2]));
    std::string paper, agreement;
    for (std::size_t page = 0; page < std::min(expected.pages.size(), actual.pages.size()); ++page) {
        const PrintedPage &e = expected.pages[page], &a = actual.pages[page];
        paper += std::string(page ? ", " : "") + "[" + std::to_string(e.paperCode) + ", " + std::to_string(a.paperCode) + "]";
        agreement += std::string(page ? ", " : "") + "[";
        for (std::size_t c = 0; c < std::min(e.components.size(), a.components.size()); ++c)
            agreement += (c ? ", " : "") + std::to_string(Agreement(e.components[c], a.components[c]));
        agreement += "]";
    }
    std::printf("{\"pages\": [%zu, %zu], \"faults\": [%s, %s], \"paper\": [%s], \"agreement\": [%s]}\n",
                expected.pages.size(), actual.pages.size(), Quoted(expected.fault).c_str(), Quoted(actual.fault).c_str(),
                paper.c_str(), agreement.c_str());
    return 0;
}
