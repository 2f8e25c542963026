// What a test takes from the machine rather than from the library. A test that lacks it skips and
// says why, instead of failing an assertion about something the library never touched.
#pragma once
#include <gtest/gtest.h>

// Skips the running test when the Wine print queue it made is not ready.
#define QZ_SKIP_WITHOUT_QUEUE(queue)                                                                \
    if ((queue).Ready()) {                                                                          \
    } else                                                                                          \
        GTEST_SKIP() << "no Wine print queue \"" << (queue).Name() << "\": " << (queue).Problem()
