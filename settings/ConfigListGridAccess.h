#pragma once
// The settings grid window as the grid builder sees it: items, cells made by class, and the
// cells looked up again taken as their class only when they are of it.

#include "grid/CellDropDown.h"
#include "grid/ConfigListCtrl.h"
#include "settings/SettingsGridBuilder.h"

class ConfigListGridAccess : public SettingsGridAccess {
public:
    explicit ConfigListGridAccess(CConfigListCtrl& grid) : m_grid(grid) {}

    int GetItemCount() override;
    void DeleteAllItems() override;
    void InsertItem(int row, const std::wstring& text) override;
    void SetCell(int row, int column, GridCellClass cellClass, const std::wstring& text) override;
    GridCellAccess* GetCell(int row, int column) override;
    void SetItem(int row, int column, const std::wstring& text) override;
    void SetCellDisabled(int row, int column, int disabled) override;
    void Hide() override;
    void InvalidateAll() override;

private:
    class Button : public GridPushButtonAccess {
    public:
        void SetBitmapId(int bitmapId) override;
        CCellPushButton* m_cell = nullptr;
    };
    class Box : public GridCheckBoxAccess {
    public:
        void SetCheckedText(const std::wstring& text) override;
        void SetUncheckedText(const std::wstring& text) override;
        bool GetCheck() override;
        void SetCheck(bool check) override;
        CCellCheckBox* m_cell = nullptr;
    };
    class Combo : public GridComboBoxAccess {
    public:
        void SetCurSel(int index) override;
        CCellComboBox* m_cell = nullptr;
    };

    CConfigListCtrl& m_grid;
    Button m_button;
    Box m_box;
    Combo m_combo;
};
