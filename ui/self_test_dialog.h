// CSelfTestDialog: the self-test page, whose title, body text and print button caption come
// from the sibling string module, chosen per printer.
#pragma once
#include "service_dialog.h"

class CSelfTestDialog : public CServiceDialog {
public:
    // String ids of the sibling module; 0 keeps the template's text. The picture, the body
    // text's font and the ending buttons are the same for every self-test page.
    CSelfTestDialog(USHORT titleId, USHORT textId, USHORT buttonId);

    INT_PTR InitDialog(HWND window, HWND focus, void* initRecord) override;

private:
    USHORT titleId;
    USHORT textId;
    USHORT buttonId;
};
