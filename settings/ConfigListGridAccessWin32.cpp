#include "settings/ConfigListGridAccess.h"

int ConfigListGridAccess::GetItemCount()
{
    return m_grid.GetItemCount();
}

void ConfigListGridAccess::DeleteAllItems()
{
    m_grid.DeleteAllItems();
}

void ConfigListGridAccess::InsertItem(int row, const std::wstring& text)
{
    m_grid.InsertItem(row, text.c_str());
}

void ConfigListGridAccess::SetCell(int row, int column, GridCellClass cellClass, const std::wstring& text)
{
    CCellCtrl* cell = nullptr;
    switch (cellClass) {
    case kPushButtonCellClass: cell = new CCellPushButton(nullptr, 0, 0, 0); break;
    case kCheckBoxCellClass: cell = new CCellCheckBox; break;
    case kComboBoxCellClass: cell = new CCellComboBox; break;
    }
    m_grid.SetCell(row, column, cell, CString(text.c_str()));
}

GridCellAccess* ConfigListGridAccess::GetCell(int row, int column)
{
    CCellCtrl* cell = m_grid.GetCell(row, column);
    if (auto* button = dynamic_cast<CCellPushButton*>(cell)) {
        m_button.m_cell = button;
        return &m_button;
    }
    if (auto* box = dynamic_cast<CCellCheckBox*>(cell)) {
        m_box.m_cell = box;
        return &m_box;
    }
    if (auto* combo = dynamic_cast<CCellComboBox*>(cell)) {
        m_combo.m_cell = combo;
        return &m_combo;
    }
    return nullptr;
}

void ConfigListGridAccess::SetItem(int row, int column, const std::wstring& text)
{
    m_grid.SetItem(row, column, LVIF_TEXT, text.c_str(), 0, 0, 0, 0);
}

void ConfigListGridAccess::SetCellDisabled(int row, int column, int disabled)
{
    m_grid.SetCellDisabled(row, column, disabled);
}

void ConfigListGridAccess::Hide()
{
    m_grid.ShowWindow(SW_HIDE);
}

void ConfigListGridAccess::InvalidateAll()
{
    m_grid.InvalidateRect(nullptr, TRUE);
}

void ConfigListGridAccess::Button::SetBitmapId(int bitmapId)
{
    m_cell->SetBitmapId(static_cast<UINT>(bitmapId));
}

void ConfigListGridAccess::Box::SetCheckedText(const std::wstring& text)
{
    m_cell->SetCheckedText(CString(text.c_str()));
}

void ConfigListGridAccess::Box::SetUncheckedText(const std::wstring& text)
{
    m_cell->SetUncheckedText(CString(text.c_str()));
}

bool ConfigListGridAccess::Box::GetCheck()
{
    return m_cell->GetCheck() != FALSE;
}

void ConfigListGridAccess::Box::SetCheck(bool check)
{
    m_cell->SetCheck(check ? TRUE : FALSE);
}

void ConfigListGridAccess::Combo::SetCurSel(int index)
{
    m_cell->SetCurSel(index);
}
