// Streams reach the device through the printer's job queue rather than by opening the device, so
// a maintenance request waits its turn behind a document instead of failing on a busy device.
#include "queue_stream.h"

#include <chrono>
#include <thread>

#include "printer_streams.h"

namespace {

constexpr auto kBusyWait = std::chrono::seconds(60);
constexpr auto kBusyPoll = std::chrono::milliseconds(20);

// Where the application's IPP printers are, from this machine.
constexpr char kLoopback[] = "localhost";
constexpr char kPrintersPath[] = "/ipp/print";
constexpr int kTimeoutMs = 30000;

} // namespace

// The page's jobs go in by IPP, as every other job does: PAPPL 1.3.1's own papplJobCreateWithFile,
// called while other clients use the web pages, corrupts its memory.
int QueueStream(pappl_printer_t* printer, const char* user, const std::string& title, const Stream& stream)
{
    char path[256], uri[1024];
    papplPrinterGetPath(printer, nullptr, path, sizeof(path));
    const std::string resource = std::string(kPrintersPath) + path;
    const int port = papplSystemGetHostPort(papplPrinterGetSystem(printer));
    httpAssembleURI(HTTP_URI_CODING_ALL, uri, sizeof(uri), "ipp", nullptr, kLoopback, port, resource.c_str());
    int job = 0;
    const auto deadline = std::chrono::steady_clock::now() + kBusyWait;
    for (bool busy = true; busy;) {
        http_t* http = httpConnect2(kLoopback, port, nullptr, AF_UNSPEC, HTTP_ENCRYPTION_IF_REQUESTED, 1, kTimeoutMs, nullptr);
        if (!http)
            break;
        ipp_t* request = ippNewRequest(IPP_OP_PRINT_JOB);
        ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri);
        ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr, user);
        ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "job-name", nullptr, title.c_str());
        ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_MIMETYPE, "document-format", nullptr, kPrinterStreamFormat);
        // The length counts the request's own bytes too.
        if (cupsSendRequest(http, request, resource.c_str(), ippLength(request) + stream.size()) == HTTP_STATUS_CONTINUE)
            cupsWriteRequestData(http, reinterpret_cast<const char*>(stream.data()), stream.size());
        ipp_t* response = cupsGetResponse(http, resource.c_str());
        job = ippGetInteger(ippFindAttribute(response, "job-id", IPP_TAG_INTEGER), 0);
        // The printer takes one job at a time: wait for it to finish the one it has.
        busy = cupsLastError() == IPP_STATUS_ERROR_BUSY && std::chrono::steady_clock::now() < deadline;
        ippDelete(request);
        ippDelete(response);
        httpClose(http);
        if (busy)
            std::this_thread::sleep_for(kBusyPoll);
    }
    return job;
}
