// Fits rows to a compressed-size budget by cutting them from the right: a cut row shows the same
// picture, only narrower, and the method-2 sizes of all the cut rows add up to the budget exactly.
#pragma once
#include <cstddef>
#include <vector>
#include "bytes.h"

namespace qz_jobs {

// Returns the cut rows without their white tail; throws JobFormatError when the budget cannot be met.
std::vector<Bytes> FitRowsToBudget(const std::vector<Bytes>& fullRows, std::size_t budget);

} // namespace qz_jobs
