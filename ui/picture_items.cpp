// CServiceDialog's owner-drawn items: the logo, the etched separator, the picture frame, the
// picture and the picture statics whose item id is their bitmap id.
#include "service_dialog.h"

#include "bitmap_drawing.h"
#include "platform/module_instance.h"
#include "resources/dialog_ids.h"

namespace {

HBITMAP LoadLibraryBitmap(USHORT id)
{
    return ::LoadBitmapA(ModuleInstance, MAKEINTRESOURCEA(id));
}

// A bitmap loaded for one paint, converted and drawn at its natural size, then released.
void DrawPictureStatic(const DRAWITEMSTRUCT* item)
{
    HBITMAP bitmap = LoadLibraryBitmap(static_cast<USHORT>(item->CtlID));
    if (!bitmap)
        return;
    ReplaceKeyColour(bitmap, item->hDC);
    DrawBitmapAt(bitmap, item);
    ::DeleteObject(bitmap);
}

// The object's own bitmaps are loaded and converted once; a failed load is tried at the next paint.
void EnsureConverted(HBITMAP* kept, USHORT id, HDC reference)
{
    if (*kept)
        return;
    *kept = LoadLibraryBitmap(id);
    if (*kept)
        ReplaceKeyColour(*kept, reference);
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
        EnsureConverted(&logo, IDB_LOGO, item->hDC);
        DrawBitmapAt(logo, item);
        return TRUE;
    case IDC_SELF_TEST_PAGE:
    case IDC_CLEAN_START_CARTRIDGE:
    case IDC_CLEAN_LEVELS_CARTRIDGE:
        DrawPictureStatic(item);
        return TRUE;
    case IDC_PICTURE_FRAME:
        return TRUE; // the frame only holds the picture; nothing of its own is painted
    case IDC_PICTURE:
        if (pictureId)
            EnsureConverted(&picture, pictureId, item->hDC);
        DrawBitmapFitted(picture, item);
        return TRUE;
    default:
        return FALSE;
    }
}
