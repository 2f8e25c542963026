// Listing a stream through the printer layer's reader.
#include "stream_listing.h"

namespace qz_jobs {

void StreamLister::Text(std::size_t offset, const std::uint8_t* bytes, std::size_t size)
{
    elements.push_back({offset, "text(" + std::to_string(size) + ")", Bytes(bytes, bytes + size)});
}

void StreamLister::Escape(std::size_t offset, char command)
{
    elements.push_back({offset, std::string(1, command), {}});
}

void StreamLister::Parameter(std::size_t offset, const char* group, const PclParameter& parameter)
{
    elements.push_back({offset, ParameterText(group, parameter), Bytes(parameter.data, parameter.data + parameter.dataLength)});
}

void ReadWellFormed(const Bytes& stream, StreamVisitor& visitor)
{
    const StreamFault fault = ReadPrinterStream(stream.data(), stream.size(), visitor);
    RequireFormat(fault.problem.empty(), fault.problem + " at offset " + std::to_string(fault.offset));
}

std::vector<ListedElement> ListStream(const Bytes& stream)
{
    StreamLister lister;
    ReadWellFormed(stream, lister);
    return std::move(lister.elements);
}

} // namespace qz_jobs
