// Reading a print queue's information through the spooler seam: the one reader behind the
// driver name that selects a printer model and the port name the printer service menu passes on.
#pragma once
#include <windows.h>

#include <memory>

// Levels of queue information the library reads.
enum QueueInfoLevel : DWORD {
    QueueInfoDriver = 2, // PRINTER_INFO_2A: pDriverName names the printer model
    QueueInfoPort = 5,   // PRINTER_INFO_5A: pPortName
};

// Opens the queue, reads its information at level into a buffer of the size the spooler asks
// for, and closes the queue again. Null when the name is null, the queue does not open, the size
// query gives 0, the memory is refused or the read fails.
std::unique_ptr<BYTE[]> ReadQueueInfo(const char* queue, QueueInfoLevel level);
