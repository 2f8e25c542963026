// qztoolbox: the printer toolbox. Lists the supported printer models and the print queues, and
// runs any service of QZW9SVB.dll on a queue.
#include <cstdio>
#include <string>
#include <vector>

#include "library.h"
#include "print_queues.h"
#include "qzw9svb/toolbox_cap.h"
#include "remote_string_list.h"
#include "resource_ids.h"
#include "service_calls.h"

namespace {

enum ExitCode { kOk = 0, kUsage = 2, kNoLibrary = 3, kNoQueue = 4, kNoExport = 5 };

const char kLibraryName[] = "QZW9SVB.dll";

int Usage()
{
    std::fprintf(stderr, "usage: qztoolbox models\n       qztoolbox queues\n       qztoolbox SERVICE QUEUE [TEXT [NUMBER]]\nservices:");
    for (const std::string& name : ServiceNames())
        std::fprintf(stderr, " %s", name.c_str());
    std::fprintf(stderr, "\n");
    return kUsage;
}

int NoLibrary()
{
    std::fprintf(stderr, "qztoolbox: cannot load %s (error %lu)\n", kLibraryName, ::GetLastError());
    return kNoLibrary;
}

int ListModels()
{
    Library library(kLibraryName);
    if (!library.Loaded())
        return NoLibrary();
    using Realnames = int __stdcall(void* list);
    using DataSize = ULONG __stdcall(char* realname, unsigned record);
    using StringRecord = int __stdcall(char* realname, unsigned record, void* buffer, ULONG* size);
    using MibType = ULONG __stdcall(char* realname);
    auto* realnames = library.Find<Realnames>("GetAllSupportedRealnames");
    auto* dataSize = library.Find<DataSize>("GetDataSize");
    auto* stringRecord = library.Find<StringRecord>("GetStrDataFromSPC");
    auto* mibType = library.Find<MibType>("GetMibTypeFromSPC");
    RemoteStringList list(library);
    if (!realnames || !dataSize || !stringRecord || !mibType || !list.Usable()) {
        std::fprintf(stderr, "qztoolbox: %s lacks the capability queries\n", kLibraryName);
        return kNoExport;
    }
    realnames(list.Object());
    for (unsigned i = 1; i <= list.Count(); ++i) {
        std::string realname = list.Find(static_cast<unsigned char>(i));
        char model[CAP_NAME_CAPACITY] = "";
        ULONG capacity = sizeof(model);
        stringRecord(&realname[0], CAP_MODEL_NAME_OFFSET, model, &capacity);
        std::printf("%s\n  model name: %s\n  MIB type: %lu\n", realname.c_str(), model, mibType(&realname[0]));
        for (unsigned record = CapRecordDirectory; record <= CapRecordHardwarePictures; ++record)
            std::printf("  record %u: %lu bytes\n", record, dataSize(&realname[0], record));
    }
    return kOk;
}

int ListQueues()
{
    for (const PrintQueue& queue : ListPrintQueues())
        std::printf("%s\t%s\n", queue.name.c_str(), queue.driver.c_str());
    return kOk;
}

int Run(const std::string& name, const std::vector<std::string>& arguments)
{
    const Service* service = FindService(name);
    if (!service) {
        std::fprintf(stderr, "qztoolbox: unknown service '%s'\n", name.c_str());
        return Usage();
    }
    if (service->TakesQueue() && (arguments.empty() || !PrintQueueExists(arguments[0]))) {
        std::fprintf(stderr, "qztoolbox: no print queue named '%s' (see: qztoolbox queues)\n",
                     arguments.empty() ? "" : arguments[0].c_str());
        return kNoQueue;
    }
    Library library(kLibraryName);
    if (!library.Loaded())
        return NoLibrary();
    ServiceCall call = RunService(library, *service, arguments);
    if (!call.found) {
        std::fprintf(stderr, "qztoolbox: %s does not export %s\n", kLibraryName, service->name);
        return kNoExport;
    }
    if (call.hasResult)
        std::printf("%s: %d\n", service->name, call.result);
    else
        std::printf("%s: done\n", service->name);
    return kOk;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2)
        return Usage();
    std::string command = argv[1];
    if (command == "models")
        return ListModels();
    if (command == "queues")
        return ListQueues();
    return Run(command, std::vector<std::string>(argv + 2, argv + argc));
}
