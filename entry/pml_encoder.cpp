// PML set payloads and their PCL wrapper.
#include "pml_encoder.h"

#include <string.h>

namespace {

constexpr unsigned char kPmlSet = 0x04;
constexpr unsigned char kObjectItem = 0x00;
constexpr unsigned char kSignedValue = 0x08;
constexpr unsigned char kCommandStart[] = {0x1B, '&', 'b'};
constexpr unsigned char kCommandTag[] = {'W', 'P', 'M', 'L', ' '};
constexpr unsigned char kClosingPayload[] = {0x04, 0x00, 0x06, 0x01, 0x04, 0x01, 0x05, 0x01, 0x08, 0x20, 0x01, 0x0F};

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

size_t WrapPmlCommand(unsigned char* buffer, size_t payloadLength)
{
    unsigned char payload[kMaxPmlPayload];
    if (payloadLength > kMaxPmlPayload)
        payloadLength = kMaxPmlPayload;
    memcpy(payload, buffer, payloadLength);
    size_t length = 0;
    memcpy(buffer, kCommandStart, sizeof(kCommandStart));
    length += sizeof(kCommandStart);
    length += FormatDecimal(buffer + length, static_cast<ULONG>(payloadLength + 4));
    memcpy(buffer + length, kCommandTag, sizeof(kCommandTag));
    length += sizeof(kCommandTag);
    memcpy(buffer + length, payload, payloadLength);
    return length + payloadLength;
}

size_t BuildPmlSetInteger(unsigned char* payload, const unsigned char (&identifier)[7], LONG value)
{
    size_t length = 0;
    payload[length++] = kPmlSet;
    payload[length++] = kObjectItem;
    payload[length++] = sizeof(identifier);
    memcpy(payload + length, identifier, sizeof(identifier));
    length += sizeof(identifier);
    payload[length++] = kSignedValue;
    // Values travel in as few bytes as carry them: none for 0, one while bits 8-15 are clear,
    // else the low two bytes, high byte first.
    if (value == 0) {
        payload[length++] = 0;
    } else if ((value & 0xFF00) == 0) {
        payload[length++] = 1;
        payload[length++] = static_cast<unsigned char>(value & 0xFF);
    } else {
        payload[length++] = 2;
        payload[length++] = static_cast<unsigned char>((value >> 8) & 0xFF);
        payload[length++] = static_cast<unsigned char>(value & 0xFF);
    }
    return length;
}

size_t BuildPmlSetFixed(unsigned char* payload)
{
    memcpy(payload, kClosingPayload, sizeof(kClosingPayload));
    return sizeof(kClosingPayload);
}
