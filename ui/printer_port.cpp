// The port name of a queue, from its level-5 information.
#include "printer_port.h"

#include <cstring>

#include "platform/queue_info.h"

namespace {

constexpr size_t kPortNameCapacity = 256;

} // namespace

int QueryPrinterPort(const char* queue, char* portName)
{
    std::unique_ptr<BYTE[]> info = ReadQueueInfo(queue, QueueInfoPort);
    if (!info)
        return 0;
    const char* port = reinterpret_cast<const PRINTER_INFO_5A*>(info.get())->pPortName;
    if (!port)
        port = "";
    // A longer name than the buffer holds is cut, still terminated.
    strncpy(portName, port, kPortNameCapacity - 1);
    portName[kPortNameCapacity - 1] = '\0';
    return 1;
}
