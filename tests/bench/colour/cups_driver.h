// libcupsfilters' driver API without the min and max macros its header defines, which would
// break the C++ library's std::min and std::max.
#pragma once
#include <cupsfilters/driver.h>
#undef min
#undef max
