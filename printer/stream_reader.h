// Reads a printer stream back: every part of it in order, and each raster page turned back into
// its planes, row group by row group. Malformed input ends the reading with the problem and the
// byte offset where it lies.
#pragma once
#include <stddef.h>
#include <stdint.h>

#include <string>

#include "pcl_scanner.h"
#include "raster_format.h"

// The most rows a raster may reach: 200 inches at 300 dpi.
constexpr unsigned kLongestRaster = 60000;
// The widest plane row: 16 inches at 2400 dpi.
constexpr size_t kWidestPlaneRow = 4800;

struct RasterGroupRead {
    size_t commandOffset;     // of the ESC *b whose parameters carry the group's first transfer
    unsigned row;             // row groups from the start of raster graphics, moves included
    const PlaneRow* planes;   // expanded, in transfer order
    size_t planeCount;
    size_t compressedBytes;   // what the group's transfers carried
};

// What a reader is told, in stream order. Every command comes as its parameters, one call each,
// but for the raster transfers, which come as whole row groups; the raster's own commands
// (start, moves, end) come both ways.
class StreamVisitor {
public:
    virtual void Text(size_t /*offset*/, const uint8_t* /*bytes*/, size_t /*size*/) {}
    virtual void Escape(size_t /*offset*/, char /*command*/) {}
    virtual void Parameter(size_t /*commandOffset*/, const char* /*group*/, const PclParameter& /*parameter*/) {}
    virtual void RasterStart(size_t /*offset*/, const RasterFormat& /*format*/) {}
    virtual void RasterMove(unsigned /*fromRow*/, unsigned /*rows*/) {}
    virtual void RasterGroup(const RasterGroupRead& /*group*/) {}
    virtual void RasterEnd(size_t /*offset*/, unsigned /*rows*/) {}

protected:
    ~StreamVisitor() = default;
};

struct StreamFault {
    std::string problem; // empty when the stream was read to its end
    size_t offset;
};

StreamFault ReadPrinterStream(const uint8_t* data, size_t size, StreamVisitor& visitor);

// A parameter as written: its group, its value and its letter ("&l-2H").
std::string ParameterText(const char* group, const PclParameter& parameter);
