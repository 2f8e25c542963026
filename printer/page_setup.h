// The page setup the printer takes before a raster page, as its stored test page has it: paper
// source, device settings, the paper-size code, plain paper, normal quality, units of 1/300 inch
// and the position at the top left of the printable area.
#pragma once
#include "pcl_writer.h"

void WritePageSetup(PclWriter& writer, int paperSizeCode);
