// Writes a raster in the printer's form as its rows come: each row group as transfers inside
// one combined ESC *b sequence (each ending v, the group's last w), planes compressed with
// method 2 and without their white tail, and blank row groups as vertical moves. It keeps one
// compressed row, so its memory is bounded by the row width, never by the page.
#pragma once
#include <stddef.h>
#include <stdint.h>

#include <vector>

#include "pcl_writer.h"
#include "raster_format.h"

class RasterWriter {
public:
    RasterWriter(PclWriter& out, const RasterFormat& format) : out_(out), format_(format) {}

    // The raster configuration, start of raster graphics and compression method 2.
    void Start();
    // Moves down rows row groups at once (after any blank ones held back).
    void Move(unsigned rows);
    // One row group: format.PlanesPerGroup() planes in transfer order. A group without a dot is
    // held back and sent as a move before the next group that prints.
    void PutGroup(const PlaneRow* planes);
    // Closes the transfer run and ends raster graphics; blank groups at the end are dropped.
    void End();

    // Row groups the raster has reached, moves included.
    unsigned Row() const { return row_; }

private:
    void FlushBlankRows();
    void OpenRun();

    PclWriter& out_;
    RasterFormat format_;
    std::vector<uint8_t> compressed_; // grows to the widest plane row given
    unsigned row_ = 0;
    unsigned blankRows_ = 0;
    bool runOpen_ = false;
};
