// Reading a printer stream back into the few facts a person checks first.
#include "job_report.h"

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

// The value as a signed number of its byte count, most significant byte first.
long SignedValue(const Bytes& bytes)
{
    if (bytes.empty())
        return 0;
    long value = (bytes[0] & 0x80) ? -1 : 0;
    for (unsigned char byte : bytes)
        value = value * 256 + byte;
    return value;
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
    // Run-time jobs put the W right before "PML ", stored jobs carry "PML " as data.
    Bytes command = data;
    if (!command.empty() && command[0] == 'W')
        command.erase(command.begin());
    try {
        PmlSet set = DecodePmlSet(command);
        text << "  PML set " << Dotted(set.objectId) << " = " << SignedValue(set.value.bytes) << " (type 0x"
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
