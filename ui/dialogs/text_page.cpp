// The information page: text and title from the init record, the window slot in the service's
// record behind it.
#include "text_page.h"

#include <new>

#include "resources/dialog_ids.h"

namespace {

constexpr LONG kKeepNotTopmost = 1;
// The page's template has no self-test text item, so its text keeps the dialog font.
const USHORT kFontItems[] = {IDC_SELF_TEST_TEXT, 0};
const USHORT kEndCommands[] = {IDOK, 0};

} // namespace

CTextPageDialog::CTextPageDialog(USHORT pictureId)
    : CServiceDialog(pictureId, kKeepNotTopmost, kFontItems, kEndCommands)
{
}

void InstallTextPageDialog(DialogSlot slot, USHORT pictureId)
{
    DialogObjects.Install(slot, new (std::nothrow) CTextPageDialog(pictureId));
}

INT_PTR CTextPageDialog::InitDialog(HWND window, HWND focus, void* record)
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
    return CServiceDialog::InitDialog(window, focus, windowRecord);
}
