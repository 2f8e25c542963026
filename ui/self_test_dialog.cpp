// The self-test page: texts from the sibling module when it can be loaded, the template's
// own texts when it cannot.
#include "self_test_dialog.h"

#include "resources/dialog_ids.h"
#include "sibling_strings.h"

namespace {

constexpr int kStringCapacity = 256;
constexpr LONG kKeepNotTopmost = 1;
const USHORT kFontItems[] = {IDC_SELF_TEST_TEXT, 0};
const USHORT kEndCommands[] = {IDOK, IDCANCEL, 0};

// Replaces a text with a string of the module; an id of 0 keeps what is there.
void SetTextFrom(HMODULE module, UINT stringId, HWND target)
{
    if (!stringId)
        return;
    char text[kStringCapacity];
    ::LoadStringA(module, stringId, text, kStringCapacity);
    ::SetWindowTextA(target, text);
}

} // namespace

CSelfTestDialog::CSelfTestDialog(USHORT titleId, USHORT textId, USHORT buttonId)
    : CServiceDialog(IDB_SELF_TEST, kKeepNotTopmost, kFontItems, kEndCommands), titleId(titleId), textId(textId),
      buttonId(buttonId)
{
}

INT_PTR CSelfTestDialog::InitDialog(HWND window, HWND focus, void* record)
{
    if (HMODULE sibling = ::LoadLibraryA(kSiblingModuleName)) {
        SetTextFrom(sibling, titleId, window);
        SetTextFrom(sibling, textId, ::GetDlgItem(window, IDC_SELF_TEST_TEXT));
        SetTextFrom(sibling, buttonId, ::GetDlgItem(window, IDOK));
        ::FreeLibrary(sibling);
    }
    return CServiceDialog::InitDialog(window, focus, record);
}
