// The process-wide table of dialog handler objects, one slot per dialog procedure, and the
// button-face brush that dialogs paint their background with.
#pragma once
#include <windows.h>

class CServiceDialog;

class CDialogObjectTable {
public:
    static constexpr int kSlotCount = 19;

    CDialogObjectTable();
    ~CDialogObjectTable(); // destroys the objects still held, then the brush
    CDialogObjectTable(const CDialogObjectTable&) = delete;
    CDialogObjectTable& operator=(const CDialogObjectTable&) = delete;

    CServiceDialog* Slot(int slot) const;
    // The only way into a slot: stores an object the table then owns; whatever the slot held
    // before is destroyed first.
    void Install(int slot, CServiceDialog* object);

    // The shared background brush of the dialogs; null when it could not be made.
    HBRUSH ButtonFaceBrush() const { return m_buttonFaceBrush; }

private:
    CServiceDialog* m_slots[kSlotCount];
    HBRUSH m_buttonFaceBrush;
};

// Slots with a fixed user.
enum DialogSlot {
    SlotAlignStart = 0,
    SlotGroupAlign = 2,
    SlotAlignResult = 3,
    SlotCleanStart = 4,
    SlotCleanLevel1 = 5,
    SlotCleanLevel2 = 6,
    SlotCleanEnd = 7,
    SlotTextPage = 8,
    SlotTitledTextPage = 9,
    SlotSelfTest = 10,
    SlotCalibrateStart = 16,
    SlotColorChoice = 17,
    SlotPrinterService = 18
};

extern CDialogObjectTable DialogObjects;
