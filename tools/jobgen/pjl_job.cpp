// PJL framing and PJL lines read back.
#include "pjl_job.h"

#include "printer/pjl.h"

namespace qz_jobs {

namespace {
constexpr std::string_view kPjlPrefix = "@PJL ";
} // namespace

Bytes WrapInPjlJob(const char* language, const Bytes& body)
{
    BufferSink sink;
    PclWriter writer(sink);
    WritePjlJobStart(writer, language);
    writer.Raw(body.data(), body.size());
    WritePjlJobEnd(writer);
    return sink.Take();
}

std::vector<std::string> ReadPjlStatements(const Bytes& text)
{
    std::vector<std::string> statements;
    std::string line;
    for (std::uint8_t byte : text) {
        if (byte != '\n') {
            line.push_back(static_cast<char>(byte));
            continue;
        }
        if (line.compare(0, kPjlPrefix.size(), kPjlPrefix) != 0)
            throw JobFormatError("not a PJL line: " + line);
        statements.push_back(line.substr(kPjlPrefix.size()));
        line.clear();
    }
    if (!line.empty())
        throw JobFormatError("PJL line without LF: " + line);
    return statements;
}

} // namespace qz_jobs
