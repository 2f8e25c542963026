// The self-test page: texts from the sibling module when it can be loaded, the template's
// own texts when it cannot.
#include "self_test.h"

#include <new>

#include "platform/text_field.h"
#include "resources/dialog_ids.h"
#include "ui/dialog_object_table.h"
#include "ui/sibling_strings.h"

namespace {

const USHORT kFontItems[] = {IDC_SELF_TEST_TEXT, 0};
const USHORT kEndCommands[] = {IDOK, IDCANCEL, 0};

// Replaces a text with a string of the module; an id of 0 keeps what is there.
void SetTextFrom(HMODULE module, UINT stringId, HWND target)
{
    if (!stringId)
        return;
    char text[kTextFieldSize];
    ::LoadStringA(module, stringId, text, kTextFieldSize);
    ::SetWindowTextA(target, text);
}

} // namespace

CSelfTestDialog::CSelfTestDialog(USHORT titleId, USHORT textId, USHORT buttonId)
    : CServiceDialog(IDB_SELF_TEST, kFontItems, kEndCommands), titleId(titleId), textId(textId),
      buttonId(buttonId)
{
}

CServiceDialog* NewDefaultSelfTestDialog() noexcept
{
    return new (std::nothrow) CSelfTestDialog(IDS_SELF_TEST_TITLE, IDS_SELF_TEST_TEXT, IDS_SELF_TEST_PRINT_BUTTON);
}

void InstallSelfTestDialog(USHORT titleId, USHORT textId)
{
    DialogObjects.Install(SlotSelfTest, new (std::nothrow) CSelfTestDialog(titleId, textId, IDS_SELF_TEST_PRINT_BUTTON));
}

INT_PTR CSelfTestDialog::InitDialog(HWND window, void* record)
{
    if (HMODULE sibling = SiblingModule()) {
        SetTextFrom(sibling, titleId, window);
        SetTextFrom(sibling, textId, ::GetDlgItem(window, IDC_SELF_TEST_TEXT));
        SetTextFrom(sibling, buttonId, ::GetDlgItem(window, IDOK));
    }
    return CServiceDialog::InitDialog(window, record);
}
