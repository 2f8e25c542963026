// SendStoredJob and SendJobBuffer: open the queue, write one document, close the queue.
#include "job_output.h"

#include "platform/module_resource.h"
#include "platform/spooler.h"
#include "qzw9svb/cs_osversion.h"
#include "resources/resource_ids.h"

namespace {

constexpr int kOpenAttempts = 10;
constexpr DWORD kRetryDelayMs = 1000;
char kDocumentName[] = "Printer Services";
char kRawDataType[] = "RAW";

// Writes one document of one page; the result is that of the last WritePrinter call.
// Whatever was started is ended again in reverse order.
BOOL WriteDocument(HANDLE printer, const BYTE* bytes, DWORD count)
{
    const SpoolerCalls& spooler = Spooler();
    DOC_INFO_1A document = {};
    document.pDocName = kDocumentName;
    document.pOutputFile = nullptr;
    // Older platforms pick the queue's own data type; only NT is told the bytes are raw.
    document.pDatatype = CSGetOSVersion() == CSOSWin32NT ? kRawDataType : nullptr;
    if (spooler.startDocPrinter(printer, 1, reinterpret_cast<LPBYTE>(&document)) == 0)
        return FALSE;
    if (!spooler.startPagePrinter(printer)) {
        spooler.endDocPrinter(printer);
        return FALSE;
    }
    BOOL written;
    DWORD total = 0;
    do { // at least one call, also for an empty document
        DWORD done = 0;
        written = spooler.writePrinter(printer, const_cast<BYTE*>(bytes + total), count - total, &done);
        if (written && done == 0 && total < count)
            written = FALSE; // a spooler that takes nothing would hold the caller forever
        if (written)
            total += done > count - total ? count - total : done;
    } while (written && total < count);
    spooler.endPagePrinter(printer);
    spooler.endDocPrinter(printer);
    return written;
}

// The spooler takes a non-const name; queue names are only read.
LPSTR QueueName(const char* queue)
{
    return const_cast<LPSTR>(queue);
}

} // namespace

int SendStoredJob(const char* queue, unsigned int jobId)
{
    ModuleResource job(NumberedResourceType(RT_STORED_JOB), jobId);
    HANDLE printer = nullptr;
    if (!job.Bytes() || !Spooler().openPrinter(QueueName(queue), &printer, nullptr))
        return 0;
    int result = WriteDocument(printer, static_cast<const BYTE*>(job.Bytes()), job.Size());
    Spooler().closePrinter(printer);
    return result;
}

int SendJobBuffer(const char* queue, const void* bytes, DWORD count)
{
    const SpoolerCalls& spooler = Spooler();
    HANDLE printer = nullptr;
    bool opened = false;
    for (int attempt = 0; attempt < kOpenAttempts && !opened; ++attempt) {
        opened = spooler.openPrinter(QueueName(queue), &printer, nullptr) != FALSE;
        if (!opened)
            spooler.sleep(kRetryDelayMs);
    }
    if (!opened)
        return 0;
    int result = WriteDocument(printer, static_cast<const BYTE*>(bytes), count);
    spooler.closePrinter(printer);
    return result;
}
