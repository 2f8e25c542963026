// Benchmarks under Wine, printed as ratios: reading a capability record against copying 80
// bytes, the realname lookup with one and with a hundred names in the store, and sending the
// test-page job against one bare spooler document of the same bytes.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "entry/job_output.h"
#include "platform/module_instance.h"
#include "qzw9svb/toolbox_cap.h"
#include "resource_ids.h"
#include "wine_queue.h"

namespace {

double Now()
{
    LARGE_INTEGER count, frequency;
    QueryPerformanceCounter(&count);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(count.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Nanoseconds per call of work, over enough calls to last about a quarter of a second.
template <typename Work> double NsPerCall(Work work)
{
    long calls = 1;
    for (;;) {
        double start = Now();
        for (long i = 0; i < calls; ++i)
            work();
        double elapsed = Now() - start;
        if (elapsed > 0.25)
            return elapsed * 1e9 / calls;
        calls *= 2;
    }
}

void Ratio(const char* label, double ns, const char* referenceLabel, double referenceNs)
{
    std::printf("%-44s %12.1f ns   %-28s %12.1f ns   ratio %6.2f\n", label, ns, referenceLabel, referenceNs, ns / referenceNs);
}

volatile unsigned char g_sink;

void RecordAgainstCopy()
{
    static const unsigned char kSource[80] = {1, 2, 3};
    unsigned char record[80];
    char realname[] = "QZ Kestrel 410 Printer";
    double read = NsPerCall([&] {
        ULONG size = sizeof(record);
        GetDataFromSPC(realname, CapRecordServiceType, record, &size);
        g_sink = record[76];
    });
    double copy = NsPerCall([&] {
        memcpy(record, kSource, sizeof(record));
        g_sink = record[76];
    });
    Ratio("GetDataFromSPC, record 23", read, "memcpy of 80 bytes", copy);
}

// Lookup of the store's first and last realname in the store of the given library.
void Lookups(const std::string& library, const char* label)
{
    ModuleInstance = LoadLibraryA(library.c_str());
    if (!ModuleInstance) {
        std::printf("cannot load %s\n", library.c_str());
        return;
    }
    CToolboxCap::ExitInstance();
    CToolboxCap* cap = CToolboxCap::Instance();
    CISStringList names;
    int count = cap->GetAllSupportedRealnames(&names);
    std::string first = names.Find(1), last = names.Find(static_cast<unsigned char>(count));
    double firstNs = NsPerCall([&] { g_sink = static_cast<unsigned char>(cap->GetPrinterBaseID(first.c_str())); });
    double lastNs = NsPerCall([&] { g_sink = static_cast<unsigned char>(cap->GetPrinterBaseID(last.c_str())); });
    char text[96];
    std::snprintf(text, sizeof(text), "GetPrinterBaseID, last of %d (%s)", count, label);
    Ratio(text, lastNs, "the first name", firstNs);
    CToolboxCap::ExitInstance();
    FreeLibrary(ModuleInstance);
    ModuleInstance = nullptr;
}

void SendAgainstBareDocument(const std::string& spoolFile)
{
    WineQueue queue("QZ Bench Queue", "QZ Kestrel 410 Printer", spoolFile);
    if (!queue.Ready())
        return;
    ModuleInstance = LoadLibraryA("QZW9SVB.dll");
    HRSRC info = FindResourceExA(ModuleInstance, MAKEINTRESOURCEA(RT_STORED_JOB), MAKEINTRESOURCEA(JOB_TEST_PAGE), 0);
    auto* bytes = static_cast<BYTE*>(LockResource(LoadResource(ModuleInstance, info)));
    DWORD size = SizeofResource(ModuleInstance, info);
    double stored = NsPerCall([&] { SendStoredJob(queue.Name().c_str(), JOB_TEST_PAGE); });
    double bare = NsPerCall([&] {
        HANDLE printer;
        OpenPrinterA(queue.MutableName(), &printer, nullptr);
        DOC_INFO_1A document = {const_cast<char*>("Printer Services"), nullptr, const_cast<char*>("RAW")};
        StartDocPrinterA(printer, 1, reinterpret_cast<BYTE*>(&document));
        StartPagePrinter(printer);
        DWORD written;
        WritePrinter(printer, bytes, size, &written);
        EndPagePrinter(printer);
        EndDocPrinter(printer);
        ClosePrinter(printer);
    });
    Ratio("SendStoredJob, job 144 (213608 bytes)", stored, "one bare WritePrinter document", bare);
    FreeLibrary(ModuleInstance);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: bench_wine BENCH100-LIBRARY SPOOL-FILE\n");
        return 2;
    }
    ModuleInstance = LoadLibraryA("QZW9SVB.dll");
    RecordAgainstCopy();
    CToolboxCap::ExitInstance();
    FreeLibrary(ModuleInstance);
    Lookups("QZW9SVB.dll", "shipped store");
    Lookups(argv[1], "store of 100 names");
    SendAgainstBareDocument(argv[2]);
    return 0;
}
