// The CUPS driver through a real cupsd (started by with_cupsd.sh): queues with the generated
// PPDs for the shipped model and the test models, command files submitted with lp, and the
// bytes that reached the device compared with the streams the library sends under Wine.
#include <cups/cups.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "common/dll_streams.h"
#include "cups_test_support.h"
#include "file_bytes.h"

namespace fs = std::filesystem;
using qz_tools::FileBytes;

namespace {

const char kKestrel[] = "QZ Kestrel 410 Printer";
const char kAlign1[] = "QZ Test Align1";
const char kAlign2[] = "QZ Test Align2";
const char kAlign3[] = "QZ Test Align3";
const char kAlign4[] = "QZ Test Align4";
const char kUnknown[] = "QZ Test Unsupported";

// One command file through one queue. The queue is the model's, or one whose PPD default
// cleaning level was set with lpadmin. stream names the library's stream that must reach the
// device (none: nothing may); errors counts the filter's ERROR lines.
struct Row {
    const char* model;
    std::string commands; // the lines after #CUPS-COMMAND
    const char* options;  // lp -o, or none
    const char* stream;
    int errors;
    const char* queueLevel = nullptr;
};

const std::vector<Row>& Rows()
{
    static const std::vector<Row> rows = {
        {kKestrel, "Clean all", nullptr, "kestrel-clean", 0},
        {kKestrel, "clean BLACK", "qz-clean-level=3", "kestrel-clean", 0}, // one cleaning, whatever the level
        {kKestrel, "PrintSelfTestPage", nullptr, "kestrel-self-test", 0},
        {kKestrel, "PrintAlignmentPage 1", nullptr, "kestrel-alignment", 1},
        {kKestrel, "Frobnicate\n# comment\n\nPrintSelfTestPage", nullptr, "kestrel-self-test", 1},
        {kKestrel, "", nullptr, nullptr, 1},
        {kKestrel, std::string(100000, 'x'), nullptr, nullptr, 1},
        {kKestrel, "Clean all", "qz-clean-level=4", nullptr, 1},
        {kKestrel, "Clean purple", nullptr, nullptr, 1},
        {kKestrel, "PrintSelfTestPage now", nullptr, nullptr, 1},
        {kAlign1, "Clean all", nullptr, "align1-clean-level1", 0},
        {kAlign1, "Clean color", "qz-clean-level=2", "align1-clean-level2", 0},
        {kAlign1, "Clean all", "qz-clean-level=two", nullptr, 1},
        {kAlign1, "PrintAlignmentPage 1", nullptr, "align1-alignment-page", 0},
        {kAlign1, "SetAlignment 1 A3 B2 C4 D1 E5", nullptr, "align1-set-alignment", 0},
        {kAlign1, "setalignment 1 e5 d1 c4 b2 a3", nullptr, "align1-set-alignment", 0},
        {kAlign1, "SetAlignment 1 A3 B2 C4 D1", nullptr, nullptr, 1},
        {kAlign1, "SetAlignment 1 A6 B2 C4 D1 E5", nullptr, nullptr, 1},
        {kAlign1, "SetAlignment 1 A3 A2 C4 D1 E5", nullptr, nullptr, 1},
        {kAlign1, "SetAlignment 2 A3 B2 C4 D1 E5", nullptr, nullptr, 1},
        {kAlign1, "PrintAlignmentPage 2", nullptr, nullptr, 1},
        {kAlign1, "PrintSelfTestPage", nullptr, "align1-self-test", 1},
        {kAlign2, "Clean all", "qz-clean-level=2", "align2-clean-level2", 0},
        {kAlign2, "PrintAlignmentPage 1", nullptr, "align2-alignment-page", 0},
        {kAlign2, "SetAlignment 1 A3 B2 C4 D1 E5", nullptr, nullptr, 1},
        {kAlign2, "PrintSelfTestPage", nullptr, "align2-self-test", 0},
        {kAlign3, "Clean light-gray", "qz-clean-level=2", "align3-clean", 0},
        {kAlign3, "PrintSelfTestPage", nullptr, "align3-self-test", 0},
        {kAlign3, "PrintAlignmentPage", nullptr, "align3-alignment-page", 0},
        {kAlign3, "SetAlignment 1 A1 B5 C2 D4 E1", nullptr, "align3-set-alignment", 0},
        {kAlign4, "Clean all", nullptr, "align4-clean-level3", 0, "3"},
        {kAlign4, "PrintAlignmentPage 1", nullptr, "align4-alignment-page", 0},
        {kAlign4, "SetAlignment 1 A5 B1 C3 D3 E2", nullptr, "align4-set-alignment", 0},
        {kAlign4, "PrintSelfTestPage", nullptr, "align4-self-test", 1},
        {kUnknown, "Clean all", nullptr, "unknown-clean-level1", 0},
        {kUnknown, "PrintAlignmentPage 1", nullptr, "unknown-alignment", 1},
    };
    return rows;
}

// The commands each model's queue must declare: what its workflows send.
const std::map<std::string, std::string> kDeclared = {
    {kKestrel, "Clean,PrintSelfTestPage"},
    {kAlign1, "Clean,PrintAlignmentPage,SetAlignment"},
    {kAlign2, "Clean,PrintSelfTestPage,PrintAlignmentPage"},
    {kAlign3, "Clean,PrintSelfTestPage,PrintAlignmentPage,SetAlignment"},
    {kAlign4, "Clean,PrintAlignmentPage,SetAlignment"},
    {kUnknown, "Clean"},
};

const fs::path kWork = QZ_CUPS_WORK_DIR;

std::string Quote(const std::string& text)
{
    return "'" + text + "'";
}

std::string QueueName(const std::string& model, const char* level)
{
    std::string name;
    for (char c : model)
        name += std::isalnum(static_cast<unsigned char>(c)) ? static_cast<char>(std::tolower(c)) : '-';
    return level ? name + "-level" + level : name;
}

// PPDs for every model the program's store carries, filed by their model name.
void WritePpds(const fs::path& bin, const fs::path& folder, std::map<std::string, fs::path>* ppds)
{
    int status = 0;
    const fs::path rasterFilter = fs::path(QZ_SHIPPED_BIN) / "rastertoqz";
    std::istringstream names(Shell(Quote((bin / "qzppd").string()) + " " + Quote((bin / "commandtoqz").string()) + " " +
                                 Quote(folder.string()) + " " + Quote(rasterFilter.string()), &status));
    ASSERT_EQ(status, 0);
    for (std::string name; std::getline(names, name);) {
        std::ifstream ppd(folder / name);
        for (std::string line; std::getline(ppd, line);)
            if (line.rfind("*ModelName: \"", 0) == 0)
                (*ppds)[line.substr(13, line.size() - 14)] = folder / name;
    }
}

// An attribute of a printer or job as text, several values separated by commas; empty when absent.
std::string Attribute(ipp_op_t operation, const char* uriKey, const std::string& uri, const char* name)
{
    ipp_t* request = ippNewRequest(operation);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, uriKey, nullptr, uri.c_str());
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", nullptr, name);
    ipp_t* response = cupsDoRequest(CUPS_HTTP_DEFAULT, request, "/");
    ipp_attribute_t* attribute = response ? ippFindAttribute(response, name, IPP_TAG_ZERO) : nullptr;
    char text[1024] = "";
    if (attribute)
        ippAttributeString(attribute, text, sizeof(text));
    ippDelete(response);
    return text;
}

std::string PrinterAttribute(const std::string& queue, const char* name)
{
    return Attribute(IPP_OP_GET_PRINTER_ATTRIBUTES, "printer-uri", "ipp://localhost/printers/" + queue, name);
}

std::string JobAttribute(int job, const char* name)
{
    return Attribute(IPP_OP_GET_JOB_ATTRIBUTES, "job-uri", "ipp://localhost/jobs/" + std::to_string(job), name);
}

// Bad input leaves a queue as it was: running and taking jobs (a filter that fails stops it).
void ExpectQueueTakesWork(const std::string& queue)
{
    EXPECT_EQ(PrinterAttribute(queue, "printer-state"), "idle");
    EXPECT_EQ(PrinterAttribute(queue, "printer-is-accepting-jobs"), "true");
}

// Submits the file with lp and waits until the job has ended; its id, 0 when lp refused it.
int PrintAndWait(const std::string& queue, const char* options, const fs::path& file)
{
    std::string output = Shell("lp -d " + queue + (options ? std::string(" -o ") + options : "") + " " +
                             Quote(file.string()) + " 2>&1");
    size_t dash = output.find(queue + "-");
    int job = dash == std::string::npos ? 0 : std::atoi(output.c_str() + dash + queue.size() + 1);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (job && std::chrono::steady_clock::now() < deadline) {
        const std::string state = JobAttribute(job, "job-state");
        if (state == "completed" || state == "aborted" || state == "canceled")
            break;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return job;
}

// The scheduler's error-level log lines of one job: the filter's ERROR lines.
int ErrorLines(int job)
{
    std::ifstream log(Env("QZ_CUPS_LOG"));
    const std::string tag = "[Job " + std::to_string(job) + "]";
    int count = 0;
    for (std::string line; std::getline(log, line);)
        count += line.rfind("E [", 0) == 0 && line.find(tag) != std::string::npos;
    return count;
}

class CupsDriver : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        fs::remove_all(kWork);
        fs::create_directories(kWork / "commands");
        WritePpds(QZ_SHIPPED_BIN, kWork / "shipped", &s_ppds);
        std::map<std::string, fs::path> testPpds;
        WritePpds(QZ_TEST_BIN, kWork / "testmodels", &testPpds);
        testPpds.erase(kKestrel); // the shipped model goes through the shipped filter
        s_ppds.insert(testPpds.begin(), testPpds.end());
        for (const Row& row : Rows()) {
            const std::string queue = QueueName(row.model, row.queueLevel);
            if (s_ppds.count(row.model) && Shell("lpstat -p " + queue + " 2>/dev/null").empty())
                Shell("lpadmin -p " + queue + " -E -v " + Quote(Env("QZ_DEVICE_URI")) + " -P " +
                    Quote(s_ppds[row.model].string()) + (row.queueLevel ? std::string(" -o qz-clean-level=") + row.queueLevel : "") +
                    " 2>/dev/null");
        }
    }

    static std::map<std::string, fs::path> s_ppds; // realname: its PPD
};

std::map<std::string, fs::path> CupsDriver::s_ppds;

FileBytes KeptStream(const std::string& name)
{
    const fs::path path = fs::path(QZ_DLL_STREAMS_DIR) / (name + ".prn");
    return fs::exists(path) ? qz_tools::ReadFileBytes(path) : FileBytes{'?'};
}

} // namespace

TEST_F(CupsDriver, PpdsPassCupstestppd)
{
    ASSERT_EQ(s_ppds.size(), kDeclared.size());
    for (const auto& [model, ppd] : s_ppds) {
        int status = 0;
        std::string report = Shell("cupstestppd " + Quote(ppd.string()) + " 2>&1", &status);
        EXPECT_EQ(status, 0) << report;
    }
}

TEST_F(CupsDriver, QueuesDeclareWhatTheirModelSends)
{
    for (const auto& [model, commands] : kDeclared) {
        SCOPED_TRACE(model);
        const std::string declared = PrinterAttribute(QueueName(model, nullptr), "printer-commands");
        EXPECT_EQ(declared, commands);
        // Every declared command has a row that checks a stream the library really sends.
        std::istringstream words(declared);
        for (std::string word; std::getline(words, word, ',');) {
            bool covered = false;
            for (const Row& row : Rows())
                covered |= row.model == model && row.stream && row.commands.rfind(word, 0) == 0 &&
                           !KeptStream(row.stream).empty();
            EXPECT_TRUE(covered) << word;
        }
    }
}

TEST_F(CupsDriver, EachCommandFileSendsTheLibrarysStreamOrNothing)
{
    int number = 0;
    for (const Row& row : Rows()) {
        const std::string queue = QueueName(row.model, row.queueLevel);
        SCOPED_TRACE(queue + " " + row.commands.substr(0, 40) + (row.options ? std::string(" -o ") + row.options : ""));
        const fs::path file = kWork / "commands" / ("row-" + std::to_string(number++) + ".txt");
        std::ofstream(file, std::ios::binary) << "#CUPS-COMMAND\n" << row.commands << "\n";
        const int job = PrintAndWait(queue, row.options, file);
        ASSERT_NE(job, 0) << "lp refused the file";
        EXPECT_EQ(JobAttribute(job, "job-state"), "completed");
        const FileBytes expected = row.stream ? KeptStream(row.stream) : FileBytes{};
        const FileBytes received = NewDeviceBytes();
        const auto differ = std::mismatch(received.begin(), received.end(), expected.begin(), expected.end());
        EXPECT_TRUE(received == expected) << "the device received " << received.size() << " bytes, the library sends "
                                          << expected.size() << "; they differ from byte "
                                          << (differ.first - received.begin());
        EXPECT_EQ(ErrorLines(job), row.errors);
        ExpectQueueTakesWork(queue);
    }
}

TEST_F(CupsDriver, AnEmptyFileGivesAnErrorAndNothingElse)
{
    const fs::path empty = kWork / "commands" / "empty.txt";
    std::ofstream(empty, std::ios::binary).flush();
    int status = -1;
    const std::string output = Shell("PPD=" + Quote(s_ppds[kKestrel].string()) + " " +
                                   Quote(std::string(QZ_SHIPPED_BIN) + "/commandtoqz") + " 1 user title 1 '' " +
                                   Quote(empty.string()) + " 2>" + Quote((kWork / "empty.err").string()), &status);
    EXPECT_EQ(status, 0);
    EXPECT_TRUE(output.empty());
    std::ifstream errors(kWork / "empty.err");
    std::string line;
    std::getline(errors, line);
    EXPECT_EQ(line.rfind("ERROR: ", 0), 0u) << line;
    // Through the queue the scheduler refuses the empty document before any filter runs.
    const std::string queue = QueueName(kKestrel, nullptr);
    EXPECT_EQ(PrintAndWait(queue, "document-format=application/vnd.cups-command", empty), 0);
    EXPECT_TRUE(NewDeviceBytes().empty());
    ExpectQueueTakesWork(queue);
}
