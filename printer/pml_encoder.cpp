// PML set payloads and their PCL wrapper.
#include "pml_encoder.h"

#include <string.h>

#include "pml_objects.h"

namespace {

constexpr unsigned char kCommandStart[] = {0x1B, '&', 'b'};
constexpr unsigned char kDataParameter = 'W';

// Appends one type/length/bytes item; false when it is too long or would pass capacity.
bool AppendItem(unsigned char* payload, size_t capacity, size_t& length, unsigned char type,
                const unsigned char* bytes, size_t count)
{
    if (count > kMaxPmlItem || capacity - length < 2 + count)
        return false;
    payload[length++] = type;
    payload[length++] = static_cast<unsigned char>(count);
    if (count != 0)
        memcpy(payload + length, bytes, count);
    length += count;
    return true;
}

} // namespace

unsigned FormatDecimal(unsigned char* destination, ULONG value)
{
    unsigned char reversed[10];
    unsigned digits = 0;
    do {
        reversed[digits++] = static_cast<unsigned char>('0' + value % 10);
        value /= 10;
    } while (value != 0);
    for (unsigned i = 0; i < digits; ++i)
        destination[i] = reversed[digits - 1 - i];
    return digits;
}

void FormatBigEndian(unsigned char* destination, ULONG value, size_t width)
{
    for (size_t i = 0; i < width; ++i)
        destination[i] = static_cast<unsigned char>(value >> (8 * (width - 1 - i)));
}

size_t WritePmlHeader(unsigned char* destination, size_t payloadLength)
{
    size_t length = 0;
    memcpy(destination, kCommandStart, sizeof(kCommandStart));
    length += sizeof(kCommandStart);
    length += FormatDecimal(destination + length, static_cast<ULONG>(payloadLength + kPmlSignatureLength));
    destination[length++] = kDataParameter;
    memcpy(destination + length, kPmlSignature, kPmlSignatureLength);
    return length + kPmlSignatureLength;
}

size_t WrapPmlCommand(unsigned char* buffer, size_t payloadLength)
{
    unsigned char payload[kMaxPmlPayload];
    if (payloadLength > kMaxPmlPayload)
        payloadLength = kMaxPmlPayload;
    memcpy(payload, buffer, payloadLength);
    size_t length = WritePmlHeader(buffer, payloadLength);
    memcpy(buffer + length, payload, payloadLength);
    return length + payloadLength;
}

size_t BuildPmlSet(unsigned char* payload, size_t capacity, const unsigned char* objectId, size_t objectIdLength,
                   unsigned char valueType, const unsigned char* value, size_t valueLength)
{
    if (capacity == 0)
        return 0;
    size_t length = 0;
    payload[length++] = kPmlSetCommand;
    if (!AppendItem(payload, capacity, length, kPmlObjectItem, objectId, objectIdLength) ||
        !AppendItem(payload, capacity, length, valueType, value, valueLength))
        return 0;
    return length;
}

size_t BuildPmlSetInteger(unsigned char* payload, const unsigned char (&identifier)[7], LONG value)
{
    // Values travel in as few bytes as carry them: none for 0, one while bits 8-15 are clear,
    // else the low two bytes, high byte first.
    size_t width = value == 0 ? 0 : (value & 0xFF00) == 0 ? 1 : 2;
    unsigned char bytes[2];
    FormatBigEndian(bytes, static_cast<ULONG>(value), width);
    return BuildPmlSet(payload, kMaxPmlSettingPayload, identifier, sizeof(identifier), kPmlSignedValue, bytes, width);
}

size_t BuildPmlSetFixed(unsigned char* payload)
{
    return BuildPmlSet(payload, kMaxPmlSettingPayload, kAlignmentClosingObject, sizeof(kAlignmentClosingObject),
                       kAlignmentClosingValueType, kAlignmentClosingValue, sizeof(kAlignmentClosingValue));
}
