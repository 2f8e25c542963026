// PML set commands: the job tools' view of the library's encoder, and the decoder.
#include "pml_command.h"

#include <algorithm>
#include <string>

#include "printer/pml_encoder.h"

namespace qz_jobs {

namespace {

constexpr std::string_view kSignature(kPmlSignature, kPmlSignatureLength);

// Reads one type/length/bytes item at offset and moves offset past it.
Bytes ReadItem(const Bytes& data, std::size_t& offset, std::uint8_t& type)
{
    if (data.size() - offset < 2)
        throw JobFormatError("PML item header cut short at byte " + std::to_string(offset));
    type = data[offset];
    std::size_t length = data[offset + 1];
    offset += 2;
    if (data.size() - offset < length)
        throw JobFormatError("PML item at byte " + std::to_string(offset - 2) + " needs " +
                             std::to_string(length) + " bytes");
    Bytes item(data.begin() + static_cast<long>(offset), data.begin() + static_cast<long>(offset + length));
    offset += length;
    return item;
}

} // namespace

std::size_t MinimalWidth(std::uint32_t value)
{
    std::size_t width = 1;
    while (width < sizeof value && (value >> (8 * width)) != 0)
        ++width;
    return width;
}

PmlValue PmlInteger(std::uint32_t value, std::size_t width)
{
    if (width == 0 || width > sizeof value || MinimalWidth(value) > width)
        throw std::invalid_argument("PML integer does not fit its width");
    PmlValue result;
    result.bytes.resize(width);
    FormatBigEndian(result.bytes.data(), value, width);
    return result;
}

Bytes EncodePmlSet(const PmlSet& set)
{
    // Room for the longest payload: the command byte and two items of the longest length.
    Bytes payload(1 + 2 * (2 + kMaxPmlItem));
    const std::size_t length = BuildPmlSet(payload.data(), payload.size(), set.objectId.data(), set.objectId.size(),
                                           set.value.type, set.value.bytes.data(), set.value.bytes.size());
    if (length == 0)
        throw std::invalid_argument("PML item longer than 255 bytes");
    payload.resize(length);
    Bytes command(kMaxPmlHeader);
    command.resize(WritePmlHeader(command.data(), length));
    command.insert(command.end(), payload.begin(), payload.end());
    return command;
}

PmlSet DecodePmlSet(const Bytes& data)
{
    const std::size_t headerSize = kSignature.size() + 1;
    if (data.size() < headerSize || !std::equal(kSignature.begin(), kSignature.end(), data.begin()))
        throw JobFormatError("PML data does not start with \"PML \"");
    if (data[kSignature.size()] != kPmlSetCommand)
        throw JobFormatError("PML command is not a set command");
    std::size_t offset = headerSize;
    PmlSet set;
    std::uint8_t objectType = 0;
    set.objectId = ReadItem(data, offset, objectType);
    if (objectType != kPmlObjectItem)
        throw JobFormatError("PML object item has type " + std::to_string(objectType));
    set.value.bytes = ReadItem(data, offset, set.value.type);
    if (offset != data.size())
        throw JobFormatError("PML data has " + std::to_string(data.size() - offset) + " bytes after the value");
    return set;
}

void WritePmlCommand(PclWriter& writer, const PmlSet& set)
{
    writer.Raw(EncodePmlSet(set));
}

} // namespace qz_jobs
