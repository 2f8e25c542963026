// The self-test page (templates 162 and 1665), CSelfTestDialog: its title, body text and print
// button caption come from the sibling string module, chosen per printer.
#pragma once
#include "ui/dialog_procedures.h"
#include "ui/service_dialog.h"

// Uses the object a service installed for the run, else builds the default one.
inline constexpr DLGPROC SelfTestProc = RoutedProcedure<SlotSelfTest>;

class CSelfTestDialog : public CServiceDialog {
public:
    // String ids of the sibling module; 0 keeps the template's text. The picture, the body
    // text's font and the ending buttons are the same for every self-test page.
    CSelfTestDialog(USHORT titleId, USHORT textId, USHORT buttonId);

    INT_PTR InitDialog(HWND window, void* initRecord) override;

private:
    USHORT titleId;
    USHORT textId;
    USHORT buttonId;
};

// The page's object when no service chose its texts: the plain test page.
CServiceDialog* NewDefaultSelfTestDialog() noexcept;

// Installs the page's object for the next run with the given title and body text.
void InstallSelfTestDialog(USHORT titleId, USHORT textId);
