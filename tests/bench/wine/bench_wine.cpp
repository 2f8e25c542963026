// Benchmarks under Wine, printed as ratios: reading a capability record and its size against
// copying 80 bytes, the realname lookup with one and with a hundred names in the store, sending
// the test-page job against one bare spooler document of the same bytes, and the services' first
// dialogs against the least that showing them takes.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "bench_dialogs.h"
#include "bench_timing.h"
#include "entry/job_output.h"
#include "platform/module_instance.h"
#include "qzw9svb/toolbox_cap.h"
#include "resource_ids.h"
#include "wine_queue.h"

namespace {

volatile unsigned char g_sink;

// The realname in several spellings and buffers, taken in turn, so that no answer kept for the
// last name asked can stand in for the lookup.
struct Spellings {
    char names[4][32] = {"QZ Kestrel 410 Printer", "qz kestrel 410 printer", "QZ KESTREL 410 PRINTER",
                         "Qz Kestrel 410 printer"};
    unsigned next = 0;
    char* Next() { return names[next++ & 3]; }
};

void QueriesAgainstCopy()
{
    static const unsigned char kSource[80] = {1, 2, 3};
    unsigned char record[80];
    Spellings realnames;
    double read = BestNsPerCall([&] {
        ULONG size = sizeof(record);
        GetDataFromSPC(realnames.Next(), CapRecordServiceType, record, &size);
        g_sink = record[76];
    });
    double sizeOnly = BestNsPerCall(
        [&] { g_sink = static_cast<unsigned char>(GetDataSize(realnames.Next(), CapRecordServiceType)); });
    double copy = BestNsPerCall([&] {
        // Neither end is known to the compiler, so the 80 bytes are really moved every time.
        const void* from = kSource;
        TouchMemory(&from);
        memcpy(record, from, sizeof(record));
        TouchMemory(record);
    });
    Ratio("GetDataFromSPC, record 23", read, "memcpy of 80 bytes", copy);
    Ratio("GetDataSize, record 23", sizeOnly, "memcpy of 80 bytes", copy);
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
    QueriesAgainstCopy();
    CToolboxCap::ExitInstance();
    FreeLibrary(ModuleInstance);
    Lookups("QZW9SVB.dll", "shipped store");
    Lookups(argv[1], "store of 100 names");
    SendAgainstBareDocument(argv[2]);
    DialogsAgainstFloor(argv[2]);
    return 0;
}
