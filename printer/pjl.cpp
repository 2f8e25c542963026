// PJL lines around a job.
#include "pjl.h"

namespace {
// The host never names these jobs; the printer shows this on its job list.
constexpr char kJobName[] = "JOB NAME=\"unnamed\"";
} // namespace

void WritePjlLine(PclWriter& writer, const char* statement)
{
    writer.Text("@PJL ");
    writer.Text(statement);
    writer.Text("\n");
}

void WritePjlJobStart(PclWriter& writer, const char* language)
{
    writer.Reset();
    writer.UniversalExit();
    WritePjlLine(writer, kJobName);
    writer.Text("@PJL ENTER LANGUAGE=");
    writer.Text(language);
    writer.Text("\n");
}

void WritePjlJobEnd(PclWriter& writer)
{
    writer.Reset();
    writer.UniversalExit();
    WritePjlLine(writer, "EOJ");
}
