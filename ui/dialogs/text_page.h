// The information page (template 180), CTextPageDialog: a picture and a text with a title, both
// handed in by the service that opens it.
#pragma once
#include "ui/dialog_procedures.h"
#include "ui/service_dialog.h"

// A service installs the objects of both procedures before running the page: the plain page
// and the one whose text, too, comes from the sibling module.
inline constexpr DLGPROC TextPageProc = RoutedProcedure<SlotTextPage>;
inline constexpr DLGPROC TitledTextPageProc = RoutedProcedure<SlotTitledTextPage>;

// The information page's init record. Unlike other init records it does not begin with a window
// slot: the slot is the first field of the service's own record that windowRecord points to.
struct TextPageInitRecord {
    const char* text;  // for the text item; null leaves it empty
    const char* title; // for the window title; null leaves it empty
    DialogInitRecord* windowRecord;
};

class CTextPageDialog : public CServiceDialog {
public:
    // pictureId names the bitmap of the picture item (0: none); the rest is the same for every
    // information page.
    explicit CTextPageDialog(USHORT pictureId);

    INT_PTR InitDialog(HWND window, void* initRecord) override;
};

// Installs a page object showing the picture for the next run in slot (the text page's or the
// titled text page's).
void InstallTextPageDialog(DialogSlot slot, USHORT pictureId);
