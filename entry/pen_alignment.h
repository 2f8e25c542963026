// CPenAlignment: the cartridge alignment workflows, from the start page through the pattern
// page and the user's choices to the result job and the closing page.
#pragma once
#include <windows.h>

#include "ui/dialogs/alignment_choices.h"
#include "service_guard.h"

// Builds the alignment result job from the user's choices into destination; 1 when it fit.
int BuildAlignmentJob(unsigned char* destination, ULONG capacity, const AlignmentChoices& choices);

class CPenAlignment {
public:
    CPenAlignment(const char* queue, HWND parent);
    CPenAlignment(const CPenAlignment&) = delete;
    CPenAlignment& operator=(const CPenAlignment&) = delete;

    // Each answers 1 when the workflow reached its closing page, 0 when it stopped early.
    int AlignWithPatternPages(); // alignment types 1, 3 and 4
    int AlignAutomatically();    // alignment type 2

private:
    AlignmentChoices choices;
    char queueName[kTextFieldSize];
    HWND parentWindow;
};
