// The dialog object table: built empty with its brush at load, cleaned at unload.
#include "dialog_object_table.h"

#include "service_dialog.h"

CDialogObjectTable DialogObjects;

CDialogObjectTable::CDialogObjectTable() : m_slots(), m_buttonFaceBrush(::CreateSolidBrush(::GetSysColor(COLOR_BTNFACE)))
{
}

CDialogObjectTable::~CDialogObjectTable()
{
    for (CServiceDialog*& object : m_slots) {
        delete object;
        object = nullptr;
    }
    if (m_buttonFaceBrush)
        ::DeleteObject(m_buttonFaceBrush);
    m_buttonFaceBrush = nullptr;
}

CServiceDialog* CDialogObjectTable::Slot(int slot) const
{
    return slot >= 0 && slot < kSlotCount ? m_slots[slot] : nullptr;
}

void CDialogObjectTable::Install(int slot, CServiceDialog* object)
{
    if (slot < 0 || slot >= kSlotCount) {
        delete object;
        return;
    }
    delete m_slots[slot];
    m_slots[slot] = object;
}
