// The production spooler calls and the test replacement hook.
#include "spooler.h"

namespace {

const SpoolerCalls kWinspool = {
    ::OpenPrinterA, ::GetPrinterA, ::ClosePrinter, ::StartDocPrinterA, ::StartPagePrinter,
    ::WritePrinter, ::EndPagePrinter, ::EndDocPrinter, ::Sleep,
};

const SpoolerCalls* g_calls = &kWinspool;

} // namespace

const SpoolerCalls& Spooler()
{
    return *g_calls;
}

void ReplaceSpoolerCalls(const SpoolerCalls* calls)
{
    g_calls = calls ? calls : &kWinspool;
}
