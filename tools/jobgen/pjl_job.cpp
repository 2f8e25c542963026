// The PJL framing of printer jobs: the language switch in front of the PCL body and the end of job.
#include "pjl_job.h"

namespace qz_jobs {

namespace {
// The host never names these jobs; the printer shows this on its job list.
constexpr std::string_view kJobName = "unnamed";
constexpr std::string_view kPjlPrefix = "@PJL ";
} // namespace

void WritePjlLine(PclWriter& writer, std::string_view statement)
{
    writer.Text(kPjlPrefix);
    writer.Text(statement);
    writer.Text("\n");
}

Bytes WrapInPjlJob(std::string_view language, const Bytes& body)
{
    PclWriter writer;
    writer.Reset();
    writer.UniversalExit();
    WritePjlLine(writer, "JOB NAME=\"" + std::string(kJobName) + "\"");
    WritePjlLine(writer, "ENTER LANGUAGE=" + std::string(language));
    writer.Raw(body);
    writer.Reset();
    writer.UniversalExit();
    WritePjlLine(writer, "EOJ");
    return writer.TakeStream();
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
