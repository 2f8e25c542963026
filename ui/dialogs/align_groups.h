// The alignment choice dialog (template 181), CGroupAlignDialog: five groups of five patterns
// whose radio buttons fill the AlignmentChoices record; it lets the user continue only with every
// group chosen.
#pragma once
#include "ui/dialog_procedures.h"
#include "ui/service_dialog.h"

struct AlignmentChoices;

inline constexpr DLGPROC GroupAlignProc = RoutedProcedure<SlotGroupAlign>;

class CGroupAlignDialog : public CServiceDialog {
public:
    CGroupAlignDialog();

    INT_PTR InitDialog(HWND window, void* initRecord) override;
    INT_PTR HandleCommand(HWND window, USHORT commandId) override;
    INT_PTR SystemCommand(HWND window, WPARAM command) override;

private:
    AlignmentChoices* Choices() const;
    bool AllGroupsChosen() const;
};
