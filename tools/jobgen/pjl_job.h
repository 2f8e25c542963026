// The PJL framing of printer jobs: the language switch in front of the PCL body and the end of job.
#pragma once
#include <string>
#include <string_view>
#include <vector>
#include "bytes.h"
#include "pcl_writer.h"

namespace qz_jobs {

inline constexpr std::string_view kLanguagePcl3 = "PCL3";
inline constexpr std::string_view kLanguagePcl3Gui = "PCL3GUI";

// One "@PJL <statement>" line ended by LF.
void WritePjlLine(PclWriter& writer, std::string_view statement);

// Frames a PCL body as a named job: reset, exit to PJL, job name and language, the body, then
// reset, exit to PJL and end of job, so the printer is left as it was found.
Bytes WrapInPjlJob(std::string_view language, const Bytes& body);

// The statements of a block of "@PJL <statement>" lines; throws JobFormatError on any other text.
std::vector<std::string> ReadPjlStatements(const Bytes& text);

} // namespace qz_jobs
