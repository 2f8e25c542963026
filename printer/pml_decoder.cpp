// PML set commands, item by item.
#include "pml_decoder.h"

#include <string.h>

#include "pml_encoder.h"

namespace {

// One type/length/bytes item at offset; false when it runs past the data.
bool ReadItem(const uint8_t* data, size_t size, size_t& offset, uint8_t* type, const uint8_t** bytes, size_t* length)
{
    if (size - offset < 2)
        return false;
    *type = data[offset];
    *length = data[offset + 1];
    offset += 2;
    if (size - offset < *length)
        return false;
    *bytes = data + offset;
    offset += *length;
    return true;
}

} // namespace

const char* DecodePmlSet(const uint8_t* data, size_t size, PmlSetRead* set)
{
    if (size < kPmlSignatureLength + 1 || memcmp(data, kPmlSignature, kPmlSignatureLength) != 0)
        return "PML data do not start with \"PML \"";
    if (data[kPmlSignatureLength] != kPmlSetCommand)
        return "PML command is not a set command";
    size_t offset = kPmlSignatureLength + 1;
    uint8_t objectType = 0;
    if (!ReadItem(data, size, offset, &objectType, &set->objectId, &set->objectIdLength) ||
        !ReadItem(data, size, offset, &set->valueType, &set->value, &set->valueLength))
        return "PML item cut short";
    if (objectType != kPmlObjectItem)
        return "PML object item of another type";
    if (offset != size)
        return "PML data go on after the value";
    return nullptr;
}
