// The common road by which a service reads its printer model's capability record: the queue's
// driver name names the model; a queue that cannot be read falls back to the first model.
#pragma once
#include <windows.h>

// Zero-fills the buffer, then reads the record into it. Returns true when the queue was opened
// and reported a level-2 information size greater than 0 (the record then counts as read from
// the queue, whether or not the model had it).
bool ReadModelRecord(const char* queue, unsigned int record, void* buffer, ULONG capacity);
