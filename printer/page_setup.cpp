// The commands of the page setup, in the order the printer's own test page sends them.
#include "page_setup.h"

namespace {

// Device settings (ESC *o#W) sent as the printer takes them; their meaning is the printer's.
const uint8_t kBeforePaper[] = {0x08, 0x09, 0x00, 0x00, 0x07, 0x00, 0x01};
const uint8_t kAfterPaper[] = {0x07, 0x08, 0x00, 0x00, 0x02};
constexpr long kPlainPaper = 0, kNormalQuality = 0, kUnitsPerInch = 300;

} // namespace

void WritePageSetup(PclWriter& writer, int paperSizeCode)
{
    writer.Command("&l", 1, 'H');
    writer.DataCommand("*o", kBeforePaper, sizeof(kBeforePaper));
    writer.Command("&l", paperSizeCode, 'A');
    writer.Command("&l", -2, 'H');
    writer.Command("&l", kPlainPaper, 'M');
    writer.DataCommand("*o", kAfterPaper, sizeof(kAfterPaper));
    writer.Command("*o", kNormalQuality, 'M');
    writer.Command("&u", kUnitsPerInch, 'D');
    writer.Command("*p", 0, 'X');
    writer.Command("*p", 0, 'Y');
}
