// Reading a PML set command back from the data of ESC &b<n>W: "PML ", the set command, the
// object item and the value item.
#pragma once
#include <stddef.h>
#include <stdint.h>

struct PmlSetRead {
    const uint8_t* objectId;
    size_t objectIdLength;
    uint8_t valueType;
    const uint8_t* value; // most significant byte first
    size_t valueLength;
};

// The problem in words, or null when the data are exactly one well-formed set command.
const char* DecodePmlSet(const uint8_t* data, size_t size, PmlSetRead* set);
