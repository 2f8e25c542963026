// Reads back a small stored job: PJL framing, PCL body and its PML set command.
#include "stored_job_verifier.h"

#include "pjl_job.h"

namespace qz_jobs {

namespace {

constexpr std::size_t kHeaderElements = 3;  // ESC E, ESC %-12345X, PJL lines
constexpr std::size_t kTrailerElements = 3; // ESC E, ESC %-12345X, "@PJL EOJ"

// The value of "<key>=<value>" in statement, unquoted.
std::string StatementValue(const std::string& statement, const std::string& key)
{
    RequireFormat(statement.compare(0, key.size() + 1, key + "=") == 0,
                  "expected @PJL " + key + ", found " + statement);
    std::string value = statement.substr(key.size() + 1);
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
        value = value.substr(1, value.size() - 2);
    return value;
}

} // namespace

StoredJobReport VerifyStoredJob(const Bytes& job)
{
    const std::vector<PclElement> elements = ParsePcl(job);
    RequireFormat(elements.size() > kHeaderElements + kTrailerElements, "job too short");
    RequireFormat(IsReset(elements[0]) && IsUniversalExit(elements[1]),
                  "job does not start with ESC E and the exit to PJL");
    const std::vector<std::string> header = ReadPjlStatements(ElementBytes(job, elements[2]));
    RequireFormat(header.size() == 2, "PJL header is not a job name and a language");

    StoredJobReport report;
    report.jobName = StatementValue(header[0], "JOB NAME");
    report.language = StatementValue(header[1], "ENTER LANGUAGE");

    const std::size_t trailer = elements.size() - kTrailerElements;
    const std::vector<std::string> endOfJob = {"EOJ"};
    RequireFormat(IsReset(elements[trailer]) && IsUniversalExit(elements[trailer + 1]) &&
                      ReadPjlStatements(ElementBytes(job, elements[trailer + 2])) == endOfJob,
                  "job does not end with ESC E, the universal exit and @PJL EOJ");
    report.trailerOffset = elements[trailer].offset;

    std::size_t pmlCommands = 0;
    for (std::size_t index = kHeaderElements; index < trailer; ++index) {
        report.body.push_back(ListElement(job, elements[index]));
        const PclElement& element = elements[index];
        if (element.group == "&b" && element.parameters.size() == 1 && element.parameters[0].letter == 'W') {
            ++pmlCommands;
            report.pmlDeclaredLength = element.parameters[0].dataLength;
            report.pml = DecodePmlSet(report.body.back().data);
        }
    }
    RequireFormat(pmlCommands == 1, "job carries " + std::to_string(pmlCommands) + " PML commands, not one");
    return report;
}

} // namespace qz_jobs
