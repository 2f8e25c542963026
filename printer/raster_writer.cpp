// Row groups to transfers and moves.
#include "raster_writer.h"

#include "method2.h"

namespace {

constexpr long kMethod2 = 2;

size_t TrimmedSize(const PlaneRow& plane)
{
    size_t size = plane.size;
    while (size > 0 && plane.bytes[size - 1] == 0)
        --size;
    return size;
}

} // namespace

void RasterWriter::Start()
{
    uint8_t configuration[kLongestConfiguration];
    out_.DataCommand("*g", configuration, EncodeRasterConfiguration(format_, configuration));
    out_.Command("*r", 1, 'A');
    out_.Command("*b", kMethod2, 'M');
}

// A move inside the transfer run is one of its parameters; before the run, a command of its own.
void RasterWriter::Move(unsigned rows)
{
    FlushBlankRows();
    if (rows == 0)
        return;
    if (runOpen_)
        out_.Parameter(rows, 'y');
    else
        out_.Command("*b", rows, 'Y');
    row_ += rows;
}

void RasterWriter::FlushBlankRows()
{
    const unsigned rows = blankRows_;
    blankRows_ = 0;
    if (rows != 0)
        Move(rows);
}

void RasterWriter::OpenRun()
{
    if (!runOpen_)
        out_.BeginCombined("*b");
    runOpen_ = true;
}

void RasterWriter::PutGroup(const PlaneRow* planes)
{
    const size_t count = format_.PlanesPerGroup();
    bool blank = true;
    for (size_t plane = 0; plane < count && blank; ++plane)
        blank = TrimmedSize(planes[plane]) == 0;
    if (blank) {
        ++blankRows_;
        return;
    }
    FlushBlankRows();
    OpenRun();
    for (size_t plane = 0; plane < count; ++plane) {
        const size_t size = TrimmedSize(planes[plane]);
        if (compressed_.size() < Method2Capacity(size))
            compressed_.resize(Method2Capacity(size));
        const size_t length = CompressMethod2(planes[plane].bytes, size, compressed_.data());
        out_.DataParameter(compressed_.data(), length, plane + 1 < count ? 'v' : 'w');
    }
    ++row_;
}

void RasterWriter::End()
{
    blankRows_ = 0;
    if (runOpen_)
        out_.Parameter(0, 'Y');
    runOpen_ = false;
    out_.Command("*r", 'C');
}
