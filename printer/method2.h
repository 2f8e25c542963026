// Compression method 2 of raster rows (run-length): a control byte c of 0..127 is followed by
// c + 1 literal bytes, c of 129..255 by one byte repeated 257 - c times; 128 is never used.
#pragma once
#include <stddef.h>
#include <stdint.h>

// The most a row of size bytes can take compressed: one control byte per 128 literal bytes.
constexpr size_t Method2Capacity(size_t size)
{
    return size + (size + 127) / 128;
}

// Compresses the row into out (room for Method2Capacity(size) bytes); returns the bytes written.
size_t CompressMethod2(const uint8_t* row, size_t size, uint8_t* out);

// What expanding found wrong, and where (the offset of the control byte within the data).
struct Method2Fault {
    const char* problem; // null when the data expanded
    size_t offset;
};

// Expands size bytes into row, which has room for capacity bytes; *expanded gets the row's
// length. Control byte 128, a run cut short and a row longer than capacity are faults.
Method2Fault ExpandMethod2(const uint8_t* data, size_t size, uint8_t* row, size_t capacity, size_t* expanded);
