// Any bytes as a printer stream: the reader, the raster summary and the words of the viewer must
// end every input with a result or a fault at an offset inside the input, never a crash.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "stream_words.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const StreamWords words = DescribeStream(data, size);
    if (words.fault.offset > size)
        abort();
    for (const RasterPageSummary& page : words.pages)
        for (size_t component = 0; component < page.format.count; ++component)
            if (page.Coverage(component) < 0)
                abort();
    return 0;
}
