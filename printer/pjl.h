// The PJL framing of printer jobs: the language switch in front of the PCL body and the end of
// job, so the printer is left as it was found.
#pragma once
#include "pcl_writer.h"

constexpr char kLanguagePcl3[] = "PCL3";
constexpr char kLanguagePcl3Gui[] = "PCL3GUI";

// One "@PJL <statement>" line ended by LF.
void WritePjlLine(PclWriter& writer, const char* statement);

// Reset, exit to PJL, the job name and the language the body is written in.
void WritePjlJobStart(PclWriter& writer, const char* language);
// Reset, exit to PJL and end of job.
void WritePjlJobEnd(PclWriter& writer);
