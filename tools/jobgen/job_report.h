// A short human-readable account of a printer stream: its size, lead-in, printer language and
// every PML setting it carries.
#pragma once
#include <string>

#include "bytes.h"

namespace qz_jobs {

std::string ReportJob(const Bytes& job);

} // namespace qz_jobs
