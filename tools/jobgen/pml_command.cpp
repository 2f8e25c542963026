// PML set commands: encoding, decoding and the PCL command that carries them.
#include "pml_command.h"

#include <algorithm>
#include <string>

namespace qz_jobs {

namespace {

constexpr std::string_view kPmlSignature = "PML ";
constexpr std::size_t kMaxItemLength = 0xFF;

void AppendItem(Bytes& out, std::uint8_t type, const Bytes& item)
{
    if (item.size() > kMaxItemLength)
        throw std::invalid_argument("PML item longer than 255 bytes");
    out.push_back(type);
    out.push_back(static_cast<std::uint8_t>(item.size()));
    AppendBytes(out, item);
}

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
    for (std::size_t shift = width; shift-- > 0;)
        result.bytes.push_back(static_cast<std::uint8_t>(value >> (8 * shift)));
    return result;
}

Bytes EncodePmlSet(const PmlSet& set)
{
    Bytes data;
    AppendText(data, kPmlSignature);
    data.push_back(kPmlSetCommand);
    AppendItem(data, kPmlObjectItem, set.objectId);
    AppendItem(data, set.value.type, set.value.bytes);
    return data;
}

PmlSet DecodePmlSet(const Bytes& data)
{
    const std::size_t headerSize = kPmlSignature.size() + 1;
    if (data.size() < headerSize || !std::equal(kPmlSignature.begin(), kPmlSignature.end(), data.begin()))
        throw JobFormatError("PML data does not start with \"PML \"");
    if (data[kPmlSignature.size()] != kPmlSetCommand)
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
    writer.DataCommand("&b", EncodePmlSet(set));
}

} // namespace qz_jobs
