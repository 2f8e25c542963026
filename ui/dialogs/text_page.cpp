// The information page: text and title from the init record, the window slot in the service's
// record behind it.
#include "text_page.h"

#include <new>

#include "resources/dialog_ids.h"

namespace {

// The page's text keeps the dialog font: no item gets the normal one.
const USHORT kEndCommands[] = {IDOK, 0};

} // namespace

CTextPageDialog::CTextPageDialog(USHORT pictureId)
    : CServiceDialog(pictureId, nullptr, kEndCommands)
{
}

void InstallTextPageDialog(DialogSlot slot, USHORT pictureId)
{
    DialogObjects.Install(slot, new (std::nothrow) CTextPageDialog(pictureId));
}

INT_PTR CTextPageDialog::InitDialog(HWND window, void* record)
{
    const auto* page = static_cast<const TextPageInitRecord*>(record);
    DialogInitRecord* windowRecord = nullptr;
    if (page) {
        if (page->text)
            ::SetDlgItemTextA(window, IDC_TEXT_PAGE_TEXT, page->text);
        if (page->title)
            ::SetWindowTextA(window, page->title);
        windowRecord = page->windowRecord;
    }
    return CServiceDialog::InitDialog(window, windowRecord);
}
