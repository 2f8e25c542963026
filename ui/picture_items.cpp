// CServiceDialog's owner-drawn items: the logo, the etched separator, the picture frame, the
// picture and the picture statics whose item id is their bitmap id.
#include "service_dialog.h"

#include "bitmap_cache.h"
#include "bitmap_drawing.h"
#include "resources/dialog_ids.h"

namespace {

// Converted for the face colour of this paint: made at the first paint that needs it in the
// process and again only when the colour changes. A bitmap that cannot be loaded stays blank.
HBITMAP Converted(USHORT id, const DRAWITEMSTRUCT* item)
{
    return ConvertedBitmap(id, item->hDC, ::GetSysColor(COLOR_BTNFACE));
}

} // namespace

INT_PTR CServiceDialog::DrawItem(const DRAWITEMSTRUCT* item)
{
    if (!item)
        return FALSE;
    switch (item->CtlID) {
    case IDC_SEPARATOR:
        DrawEtchedLine(item, ::GetSysColor(COLOR_BTNSHADOW), ::GetSysColor(COLOR_BTNHIGHLIGHT));
        return TRUE;
    case IDC_LOGO:
        DrawBitmapAt(Converted(IDB_LOGO, item), item);
        return TRUE;
    case IDC_SELF_TEST_PAGE: // picture statics show the bitmap of their own id
    case IDC_CLEAN_START_CARTRIDGE:
    case IDC_CLEAN_LEVELS_CARTRIDGE:
        DrawBitmapAt(Converted(static_cast<USHORT>(item->CtlID), item), item);
        return TRUE;
    case IDC_PICTURE_FRAME:
        return TRUE; // the frame only holds the picture; nothing of its own is painted
    case IDC_PICTURE:
        DrawBitmapFitted(pictureId ? Converted(pictureId, item) : nullptr, item);
        return TRUE;
    default:
        return FALSE;
    }
}
