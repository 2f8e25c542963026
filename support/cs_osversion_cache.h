// The process-wide cache behind CSGetOSVersion, reachable by the library's own tests.
#pragma once

namespace cs_osversion {

// Empties the cache, so that the next CSGetOSVersion asks the platform again.
void ForgetCachedVersion();

} // namespace cs_osversion
