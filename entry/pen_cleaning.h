// CPenCleaning: the cartridge cleaning workflows. The standard and the cartridge (type-6)
// cleaning escalate through three levels, asking before each; the type-7 cleaning sends one
// job behind a run of zero bytes. What each level sends is the printer layer's.
#pragma once
#include <windows.h>

#include "printer/workflow_documents.h"
#include "ui/service_dialog.h"
#include "service_guard.h"

// Cleaning levels as the dialogs name them, in the order the escalation reaches them.
enum CleaningLevel { kCleaningLevel1 = 110, kCleaningLevel2 = 101, kCleaningLevel3 = 102 };

class CPenCleaning {
public:
    CPenCleaning(const char* queue, HWND parent, CleaningType type);
    CPenCleaning(const CPenCleaning&) = delete;
    CPenCleaning& operator=(const CPenCleaning&) = delete;

    int CleanStandard();   // answers 1
    int CleanCartridge();  // type 6: the test page after every level; answers 1
    int CleanWithLeadIn(); // type 7; answers 0

    // Sends what the model's cleaning sends at a level; 1 for a known level, 0 (nothing sent)
    // otherwise.
    int SendCleaningLevel(int level);

private:
    struct Dialogs {
        USHORT start, level1, level2, end;
    };
    void Escalate(const Dialogs& dialogs);

    DialogInitRecord dialog; // the init record of every cleaning dialog
    char queueName[kTextFieldSize];
    HWND parentWindow;
    WorkflowSteps steps; // of the model's cleaning type
};
