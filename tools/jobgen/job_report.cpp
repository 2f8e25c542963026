// Reading a printer stream back into the few facts a person checks first.
#include "job_report.h"

#include <cstdint>
#include <iomanip>
#include <sstream>

#include "pcl_parser.h"
#include "pml_command.h"

namespace qz_jobs {
namespace {

std::string Dotted(const Bytes& id)
{
    std::ostringstream text;
    for (std::size_t i = 0; i < id.size(); ++i)
        text << (i ? "." : "") << static_cast<int>(id[i]);
    return text.str();
}

// The value as a signed number of its byte count, most significant byte first; a value longer
// than the widest number is shown as its bytes.
std::string ValueText(const Bytes& bytes)
{
    std::ostringstream text;
    if (bytes.size() > sizeof(std::int64_t)) {
        text << "0x" << std::hex << std::setfill('0');
        for (unsigned char byte : bytes)
            text << std::setw(2) << static_cast<int>(byte);
        return text.str();
    }
    std::uint64_t value = !bytes.empty() && (bytes[0] & 0x80) ? ~std::uint64_t(0) : 0;
    for (unsigned char byte : bytes)
        value = value << 8 | byte;
    text << static_cast<std::int64_t>(value);
    return text.str();
}

std::size_t LeadingNuls(const Bytes& job)
{
    std::size_t count = 0;
    while (count < job.size() && job[count] == 0)
        ++count;
    return count;
}

void ReportPjl(std::ostringstream& text, const std::string& plain)
{
    std::istringstream lines(plain);
    std::string line;
    while (std::getline(lines, line, '\n'))
        if (line.rfind("@PJL", 0) == 0)
            text << "  " << line << "\n";
}

void ReportPml(std::ostringstream& text, const Bytes& data)
{
    try {
        PmlSet set = DecodePmlSet(data);
        text << "  PML set " << Dotted(set.objectId) << " = " << ValueText(set.value.bytes) << " (type 0x"
             << std::hex << static_cast<int>(set.value.type) << std::dec << ")\n";
    } catch (const JobFormatError&) {
        text << "  PML data of " << data.size() << " bytes that do not decode\n";
    }
}

} // namespace

std::string ReportJob(const Bytes& job)
{
    std::ostringstream text;
    text << "  " << job.size() << " bytes, " << LeadingNuls(job) << " NUL bytes first\n";
    try {
        for (const PclElement& element : ParsePcl(job)) {
            if (element.kind == PclElement::Kind::Text) {
                Bytes bytes = ElementBytes(job, element);
                ReportPjl(text, std::string(bytes.begin(), bytes.end()));
            } else if (element.group == "&b" && !element.parameters.empty()) {
                ReportPml(text, ParameterData(job, element.parameters.back()));
            }
        }
    } catch (const JobFormatError& error) {
        text << "  not a well-formed PCL stream: " << error.what() << "\n";
    }
    return text.str();
}

} // namespace qz_jobs
