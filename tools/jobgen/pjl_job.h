// PJL framing as the generators and verifiers handle it: a PCL body wrapped as a named job, and
// the statements of a block of PJL lines read back.
#pragma once
#include <string>
#include <vector>
#include "bytes.h"

namespace qz_jobs {

// The body framed by the printer layer's PJL job start (in language) and end.
Bytes WrapInPjlJob(const char* language, const Bytes& body);

// The statements of a block of "@PJL <statement>" lines; throws JobFormatError on any other text.
std::vector<std::string> ReadPjlStatements(const Bytes& text);

} // namespace qz_jobs
