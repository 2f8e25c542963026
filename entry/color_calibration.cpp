// CalibrateColor: the calibration start page, then the calibration page and the colour choice,
// or the factory settings.
#include "job_output.h"
#include "qzw9svb/services.h"
#include "resources/dialog_ids.h"
#include "resources/resource_ids.h"
#include "service_guard.h"
#include "ui/dialog_table.h"
#include "ui/service_dialog.h"

namespace {

// The colour choice dialog's record. It starts with its own window slot, so the dialog's window
// handle never lands on the queue name that follows.
struct ColorChoiceRecord {
    DialogInitRecord dialog;
    const char* queue;
    const char* text;
    DialogInitRecord* startRecord;
};

// Restoring the factory colour settings needs nothing sent to these printers.
void RestoreFactoryColors(const char* /*queue*/, const char* /*text*/)
{
}

} // namespace

extern "C" int QZ_CALL CalibrateColor(char* queue, char* text, int /*unused*/, HWND parent)
{
    return RunAdmitted(queue, text, [&] {
        DialogInitRecord startRecord = {};
        switch (ShowDialog(parent, IDD_CALIBRATE_START, &startRecord)) {
        case IDC_CALIBRATE: {
            SendStoredJob(queue, JOB_COLOR_CALIBRATION); // the choice follows whether or not it went out
            ColorChoiceRecord choice = {{0}, queue, text, &startRecord};
            ShowDialog(parent, IDD_CALIBRATE_CHOICE, &choice);
            break;
        }
        case IDC_USE_DEFAULTS:
            RestoreFactoryColors(queue, text);
            break;
        default:
            break;
        }
        return 1;
    });
}
