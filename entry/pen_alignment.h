// CPenAlignment: the cartridge alignment workflows, from the start page through the pattern
// page and the user's choices to the result job and the closing page.
#pragma once
#include <windows.h>

#include "printer/workflow_documents.h"
#include "service_guard.h"
#include "ui/dialogs/alignment_choices.h"

class CPenAlignment {
public:
    CPenAlignment(const char* queue, HWND parent, AlignmentType type);
    CPenAlignment(const CPenAlignment&) = delete;
    CPenAlignment& operator=(const CPenAlignment&) = delete;

    // Each answers 1 when the workflow reached its closing page, 0 when it stopped early.
    int AlignWithPatternPages(); // alignment types 1, 3 and 4
    int AlignAutomatically();    // alignment type 2

private:
    // Sends a step of the model's alignment workflow; false when a required document failed.
    bool Send(size_t step);
    // The start page, then, when the user goes on, the alignment page; false when either stopped.
    bool StartAndPrintPage(USHORT startDialog);

    AlignmentChoices choices;
    char queueName[kTextFieldSize];
    HWND parentWindow;
    WorkflowSteps steps; // of the model's alignment type
};
