// The dialog object table: built empty with its brush at load, cleaned at unload.
#include "dialog_object_table.h"

#include "service_dialog.h"

CDialogObjectTable DialogObjects;

CDialogObjectTable::CDialogObjectTable() : slots()
{
    ButtonFaceBrush = ::CreateSolidBrush(::GetSysColor(COLOR_BTNFACE));
}

CDialogObjectTable::~CDialogObjectTable()
{
    for (CServiceDialog*& object : slots) {
        delete object;
        object = nullptr;
    }
    if (ButtonFaceBrush)
        ::DeleteObject(ButtonFaceBrush);
    ButtonFaceBrush = nullptr;
}

CServiceDialog* CDialogObjectTable::Slot(int slot) const
{
    return slot >= 0 && slot < kSlotCount ? slots[slot] : nullptr;
}

void CDialogObjectTable::Install(int slot, CServiceDialog* object)
{
    if (slot < 0 || slot >= kSlotCount) {
        delete object;
        return;
    }
    delete slots[slot];
    slots[slot] = object;
}
