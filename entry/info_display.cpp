// The information page loaders and the two services that show it.
#include "info_display.h"

#include "capability/model_record.h"
#include "platform/module_instance.h"
#include "platform/text_field.h"
#include "qzw9svb/services.h"
#include "qzw9svb/toolbox_cap.h"
#include "resources/dialog_ids.h"
#include "service_guard.h"
#include "ui/dialog_runner.h"
#include "ui/dialogs/text_page.h"
#include "ui/sibling_strings.h"

namespace {

constexpr int kTitleCapacity = 80; // the title is a short string of the sibling module

struct HardwarePictures {
    USHORT first;
    USHORT second;
};

HardwarePictures ReadHardwarePictures(const char* queue)
{
    ULONG record[2];
    ReadModelRecord(queue, CapRecordHardwarePictures, record, sizeof(record));
    HardwarePictures pictures = {static_cast<USHORT>(record[0]), static_cast<USHORT>(record[1])};
    if (record[0] == 0)
        pictures.first = IDB_HARDWARE_DEFAULT;
    if (record[1] == 0)
        pictures.second = IDB_HARDWARE_DEFAULT_ALT;
    return pictures;
}

} // namespace

void ShowInfoDialog(HWND parent, const char* text, UINT titleId, DialogInitRecord* windowRecord, DLGPROC procedure)
{
    HMODULE sibling = SiblingModule();
    if (!sibling)
        return;
    char title[kTitleCapacity] = "";
    ::LoadStringA(sibling, titleId, title, sizeof(title));
    TextPageInitRecord record = {text, title, windowRecord};
    RunDialog(ModuleInstance, parent, IDD_TEXT_PAGE, procedure ? procedure : TextPageProc, &record);
}

void ShowSiblingInfoDialog(HWND parent, USHORT textId, UINT titleId, DialogInitRecord* windowRecord)
{
    HMODULE sibling = SiblingModule();
    if (!sibling)
        return;
    char text[kTextFieldSize] = "";
    ::LoadStringA(sibling, textId, text, sizeof(text));
    ShowInfoDialog(parent, text, titleId, windowRecord, TitledTextPageProc);
}

extern "C" int QZ_CALL DisplayHardwareInfo(char* queue, char* text, int variant, HWND parent)
{
    return RunAdmitted(queue, nullptr, [&] {
        HardwarePictures pictures = ReadHardwarePictures(queue);
        DialogInitRecord windowRecord = {};
        if (variant > 0) {
            InstallTextPageDialog(SlotTextPage, pictures.first);
            ShowInfoDialog(parent, text, IDS_HARDWARE_INFO_TITLE, &windowRecord, nullptr);
        } else {
            InstallTextPageDialog(SlotTitledTextPage, pictures.second);
            ShowSiblingInfoDialog(parent, IDS_HARDWARE_INFO_TEXT, IDS_HARDWARE_INFO_TITLE, &windowRecord);
        }
        return 1;
    });
}

extern "C" int QZ_CALL DisplayCommTestResult(char* queue, char* text, int pictureSelector, HWND parent)
{
    if (!AcceptsQueueAndText(queue, nullptr))
        return 0;
    HardwarePictures pictures = ReadHardwarePictures(queue);
    DialogInitRecord windowRecord = {};
    InstallTextPageDialog(SlotTextPage, pictureSelector != 0 ? pictures.first : pictures.second);
    ShowInfoDialog(parent, text, IDS_COMM_TEST_TITLE, &windowRecord, nullptr);
    return 1;
}
