// The port a print queue is connected to.
#pragma once

// Copies the port name of queue into portName (room for 256 bytes). Returns 1 when it was
// copied, 0 when the queue cannot be opened or read; portName is then left as it was.
int QueryPrinterPort(const char* queue, char* portName);
