// The dialog table: every dialog of dialogs/ bound to its procedure, its slot and the factory of
// its handler object.
#include "dialog_table.h"

#include <new>

#include "dialog_runner.h"
#include "dialogs/align_groups.h"
#include "dialogs/align_result.h"
#include "dialogs/align_start.h"
#include "dialogs/calibrate_choice.h"
#include "dialogs/calibrate_start.h"
#include "dialogs/clean_end.h"
#include "dialogs/clean_level1.h"
#include "dialogs/clean_level2.h"
#include "dialogs/clean_start.h"
#include "dialogs/printer_service.h"
#include "dialogs/self_test.h"
#include "dialogs/text_page.h"
#include "platform/module_instance.h"

namespace {

template <const DialogPage& page> CServiceDialog* NewPage() noexcept
{
    return new (std::nothrow) CServiceDialog(page.pictureId, page.fontItems, page.endCommands);
}

template <class Handler> CServiceDialog* New() noexcept
{
    return new (std::nothrow) Handler();
}

// The print-head and the cartridge version of a page share its procedure and its object.
const DialogBinding kBindings[] = {
    {SlotAlignStart, AlignStartProc, {IDD_ALIGN_START, IDD_ALIGN_START_AUTO}, NewPage<kAlignStartPage>, false},
    {SlotGroupAlign, GroupAlignProc, {IDD_ALIGN_GROUPS, 0}, New<CGroupAlignDialog>, false},
    {SlotAlignResult, AlignResultProc, {IDD_ALIGN_RESULT, IDD_ALIGN_RESULT_AUTO}, NewPage<kAlignResultPage>, false},
    {SlotCleanStart, CleanStartProc, {IDD_CLEAN_START, IDD_CLEAN_START_CARTRIDGE}, NewPage<kCleanStartPage>, false},
    {SlotCleanLevel1, CleanLevel1Proc, {IDD_CLEAN_LEVEL1, IDD_CLEAN_LEVEL1_CARTRIDGE}, NewPage<kCleanLevel1Page>, false},
    {SlotCleanLevel2, CleanLevel2Proc, {IDD_CLEAN_LEVEL2, IDD_CLEAN_LEVEL2_CARTRIDGE}, NewPage<kCleanLevel2Page>, false},
    {SlotCleanEnd, CleanEndProc, {IDD_CLEAN_END, IDD_CLEAN_END_CARTRIDGE}, NewPage<kCleanEndPage>, false},
    {SlotTextPage, TextPageProc, {IDD_TEXT_PAGE, 0}, nullptr, false},
    {SlotTitledTextPage, TitledTextPageProc, {IDD_TEXT_PAGE, 0}, nullptr, false},
    {SlotSelfTest, SelfTestProc, {IDD_SELF_TEST, IDD_SELF_TEST_CARTRIDGE}, NewDefaultSelfTestDialog, false},
    {SlotCalibrateStart, CalibrateStartProc, {IDD_CALIBRATE_START, 0}, NewPage<kCalibrateStartPage>, false},
    {SlotColorChoice, ColorChoiceProc, {IDD_CALIBRATE_CHOICE, 0}, New<CColorChoiceDialog>, false},
    {SlotPrinterService, PrinterServiceProc, {IDD_PRINTER_SERVICE, 0}, New<CPrinterServiceDialog>, true},
};

} // namespace

const DialogBinding* BindingOfSlot(DialogSlot slot)
{
    for (const DialogBinding& binding : kBindings)
        if (binding.slot == slot)
            return &binding;
    return nullptr;
}

USHORT ShowDialog(HWND owner, USHORT templateId, void* initRecord)
{
    DLGPROC procedure = nullptr;
    for (const DialogBinding& binding : kBindings)
        if (!procedure && templateId && (binding.templates[0] == templateId || binding.templates[1] == templateId))
            procedure = binding.procedure;
    return RunDialog(ModuleInstance, owner, templateId, procedure, initRecord);
}
