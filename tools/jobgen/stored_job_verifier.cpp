// Reads back a small stored job: PJL framing, PCL body and its PML set command.
#include "stored_job_verifier.h"

#include "pjl_job.h"

namespace qz_jobs {

namespace {

constexpr std::size_t kHeaderElements = 3;  // ESC E, ESC %-12345X, PJL lines
constexpr std::size_t kTrailerElements = 3; // ESC E, ESC %-12345X, "@PJL EOJ"
constexpr const char* kUniversalExit = "%-12345X";

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
    const std::vector<ListedElement> elements = ListStream(job);
    RequireFormat(elements.size() > kHeaderElements + kTrailerElements, "job too short");
    RequireFormat(elements[0].command == "E" && elements[1].command == kUniversalExit,
                  "job does not start with ESC E and the exit to PJL");
    const std::vector<std::string> header = ReadPjlStatements(elements[2].data);
    RequireFormat(header.size() == 2, "PJL header is not a job name and a language");

    StoredJobReport report;
    report.jobName = StatementValue(header[0], "JOB NAME");
    report.language = StatementValue(header[1], "ENTER LANGUAGE");

    const std::size_t trailer = elements.size() - kTrailerElements;
    const std::vector<std::string> endOfJob = {"EOJ"};
    RequireFormat(elements[trailer].command == "E" && elements[trailer + 1].command == kUniversalExit &&
                      ReadPjlStatements(elements[trailer + 2].data) == endOfJob,
                  "job does not end with ESC E, the universal exit and @PJL EOJ");
    report.trailerOffset = elements[trailer].offset;

    std::size_t pmlCommands = 0;
    for (std::size_t index = kHeaderElements; index < trailer; ++index) {
        const ListedElement& element = elements[index];
        report.body.push_back(element);
        if (element.command.rfind("&b", 0) == 0 && element.command.back() == 'W') {
            ++pmlCommands;
            report.pmlDeclaredLength = element.data.size();
            report.pml = DecodePmlSet(element.data);
        }
    }
    RequireFormat(pmlCommands == 1, "job carries " + std::to_string(pmlCommands) + " PML commands, not one");
    return report;
}

} // namespace qz_jobs
