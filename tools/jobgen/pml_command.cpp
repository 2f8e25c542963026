// PML set commands: the job tools' view of the printer layer's encoder and decoder.
#include "pml_command.h"

#include "printer/pml_decoder.h"
#include "printer/pml_encoder.h"

namespace qz_jobs {

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
    PmlSetRead read = {};
    if (const char* problem = ::DecodePmlSet(data.data(), data.size(), &read))
        throw JobFormatError(problem);
    return {Bytes(read.objectId, read.objectId + read.objectIdLength),
            {read.valueType, Bytes(read.value, read.value + read.valueLength)}};
}

void WritePmlCommand(PclWriter& writer, const PmlSet& set)
{
    const Bytes command = EncodePmlSet(set);
    writer.Raw(command.data(), command.size());
}

} // namespace qz_jobs
