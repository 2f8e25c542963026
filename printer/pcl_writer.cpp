// PCL escape sequences and the plain bytes between them.
#include "pcl_writer.h"

#include <stdio.h>
#include <string.h>

void PclWriter::Put(const uint8_t* bytes, size_t size)
{
    if (ok_ && size != 0)
        ok_ = out_.Put(bytes, size);
}

void PclWriter::Reset()
{
    const uint8_t reset[] = {kEscape, 'E'};
    Put(reset, sizeof(reset));
}

void PclWriter::UniversalExit()
{
    Command("%", kUniversalExitValue, 'X');
}

void PclWriter::Command(const char* group, long value, char parameter)
{
    BeginCombined(group);
    Parameter(value, parameter);
}

void PclWriter::Command(const char* group, char parameter)
{
    BeginCombined(group);
    Put(reinterpret_cast<const uint8_t*>(&parameter), 1);
}

void PclWriter::DataCommand(const char* group, const uint8_t* data, size_t size)
{
    BeginCombined(group);
    DataParameter(data, size, 'W');
}

void PclWriter::BeginCombined(const char* group)
{
    Put(&kEscape, 1);
    Text(group);
}

void PclWriter::Parameter(long value, char parameter)
{
    char text[24];
    const int length = snprintf(text, sizeof(text), "%ld%c", value, parameter);
    Put(reinterpret_cast<const uint8_t*>(text), static_cast<size_t>(length));
}

void PclWriter::DataParameter(const uint8_t* data, size_t size, char parameter)
{
    Parameter(static_cast<long>(size), parameter);
    Put(data, size);
}

void PclWriter::Text(const char* text)
{
    Put(reinterpret_cast<const uint8_t*>(text), strlen(text));
}

void PclWriter::Raw(const uint8_t* bytes, size_t size)
{
    Put(bytes, size);
}

void PclWriter::Zeros(size_t count)
{
    static const uint8_t kZeros[256] = {};
    for (size_t done = 0; done < count; done += sizeof(kZeros))
        Put(kZeros, count - done < sizeof(kZeros) ? count - done : sizeof(kZeros));
}
