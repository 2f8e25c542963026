// The common road by which the services and the printer service menu read their printer
// model's capability record: the queue's driver name names the model; a queue that cannot be
// read falls back to the first supported model.
#pragma once
#include <windows.h>

// Zero-fills the buffer, then reads the record into it. A record of another size than the
// buffer is not read: records have fixed layouts, and a different one could neither fill nor fit
// the buffer. Returns true when the queue was opened and reported its level-2 information (the
// record then counts as read from the queue, whether or not the model had it).
bool ReadModelRecord(const char* queue, unsigned int record, void* buffer, ULONG capacity);
