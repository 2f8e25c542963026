// Writes printer streams: PCL escape sequences and the plain bytes between them.
#include "pcl_writer.h"

#include <string>

namespace qz_jobs {

void PclWriter::Reset()
{
    stream_.push_back(kEscape);
    stream_.push_back('E');
}

void PclWriter::UniversalExit()
{
    Command("%", kUniversalExitValue, 'X');
}

void PclWriter::Command(std::string_view group, long value, char parameter)
{
    BeginCombined(group);
    Parameter(value, parameter);
}

void PclWriter::Command(std::string_view group, char parameter)
{
    BeginCombined(group);
    stream_.push_back(static_cast<std::uint8_t>(parameter));
}

void PclWriter::DataCommand(std::string_view group, const Bytes& data)
{
    BeginCombined(group);
    DataParameter(data, 'W');
}

void PclWriter::BeginCombined(std::string_view group)
{
    stream_.push_back(kEscape);
    AppendText(stream_, group);
}

void PclWriter::Parameter(long value, char parameter)
{
    AppendText(stream_, std::to_string(value));
    stream_.push_back(static_cast<std::uint8_t>(parameter));
}

void PclWriter::DataParameter(const Bytes& data, char parameter)
{
    Parameter(static_cast<long>(data.size()), parameter);
    AppendBytes(stream_, data);
}

void PclWriter::Text(std::string_view text)
{
    AppendText(stream_, text);
}

void PclWriter::Raw(const Bytes& bytes)
{
    AppendBytes(stream_, bytes);
}

void PclWriter::Zeros(std::size_t count)
{
    stream_.insert(stream_.end(), count, 0x00);
}

} // namespace qz_jobs
