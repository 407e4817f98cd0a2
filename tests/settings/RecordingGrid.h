#pragma once
// A grid that keeps what the builder did to it: the items, the cells with everything set on
// them, and the calls in order. It can be told to lose cells or hand back cells of another
// class, to show that the builder never uses a cell as the wrong class.

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "settings/SettingsGridBuilder.h"

struct RecordedCell {
    GridCellClass cellClass = kPushButtonCellClass;
    std::wstring text;
    std::optional<int> bitmapId;
    std::optional<std::wstring> checkedText;
    std::optional<std::wstring> uncheckedText;
    std::optional<int> curSel;
    std::optional<int> disabled;
};

class RecordingGrid : public SettingsGridAccess {
public:
    // What GetCell answers.
    enum LookupMode { kFindCells, kFindNothing, kFindWrongClass };
    LookupMode m_lookup = kFindCells;

    std::vector<std::string> m_calls;
    int m_rowCount = 0;
    std::map<std::pair<int, int>, std::wstring> m_items;
    std::map<std::pair<int, int>, RecordedCell> m_cells;

    int GetItemCount() override { return m_rowCount; }

    void DeleteAllItems() override
    {
        m_calls.push_back("DeleteAllItems");
        m_rowCount = 0;
        m_items.clear();
        m_cells.clear();
    }

    void InsertItem(int row, const std::wstring& text) override
    {
        m_calls.push_back("InsertItem " + std::to_string(row));
        ++m_rowCount;
        m_items[{row, 0}] = text;
    }

    void SetCell(int row, int column, GridCellClass cellClass, const std::wstring& text) override
    {
        m_calls.push_back("SetCell " + std::to_string(row) + "," + std::to_string(column));
        RecordedCell cell;
        cell.cellClass = cellClass;
        cell.text = text;
        m_cells[{row, column}] = cell;
    }

    GridCellAccess* GetCell(int row, int column) override
    {
        m_calls.push_back("GetCell " + std::to_string(row) + "," + std::to_string(column));
        auto found = m_cells.find({row, column});
        if (found == m_cells.end() || m_lookup == kFindNothing)
            return nullptr;
        RecordedCell& cell = found->second;
        GridCellClass shown = cell.cellClass;
        if (m_lookup == kFindWrongClass)
            shown = shown == kCheckBoxCellClass ? kComboBoxCellClass : kCheckBoxCellClass;
        switch (shown) {
        case kPushButtonCellClass: m_view = std::make_unique<Button>(cell); break;
        case kCheckBoxCellClass: m_view = std::make_unique<Box>(cell); break;
        case kComboBoxCellClass: m_view = std::make_unique<Combo>(cell); break;
        }
        return m_view.get();
    }

    void SetItem(int row, int column, const std::wstring& text) override
    {
        m_calls.push_back("SetItem " + std::to_string(row) + "," + std::to_string(column));
        m_items[{row, column}] = text;
    }

    void SetCellDisabled(int row, int column, int disabled) override
    {
        m_calls.push_back("SetCellDisabled " + std::to_string(row) + "," + std::to_string(column));
        auto found = m_cells.find({row, column});
        if (found != m_cells.end())
            found->second.disabled = disabled;
    }

    void Hide() override
    {
        m_calls.push_back("Hide");
        m_hidden = true;
    }
    bool m_hidden = false;
    void InvalidateAll() override { m_calls.push_back("InvalidateAll"); }

    // What the grid's own click does to a check box before the rules run: a cell that is not
    // disabled toggles between "0" and "1".
    void Toggle(int row, int column)
    {
        auto found = m_cells.find({row, column});
        if (found == m_cells.end() || found->second.disabled.value_or(0) != 0 || found->second.text.empty())
            return;
        found->second.text[0] = found->second.text[0] == L'1' ? L'0' : L'1';
    }

    const RecordedCell* Cell(int row, int column) const
    {
        auto found = m_cells.find({row, column});
        return found == m_cells.end() ? nullptr : &found->second;
    }

    std::wstring Item(int row, int column) const
    {
        auto found = m_items.find({row, column});
        return found == m_items.end() ? std::wstring() : found->second;
    }

private:
    class Button : public GridPushButtonAccess {
    public:
        explicit Button(RecordedCell& cell) : m_cell(cell) {}
        void SetBitmapId(int bitmapId) override { m_cell.bitmapId = bitmapId; }
        RecordedCell& m_cell;
    };
    class Box : public GridCheckBoxAccess {
    public:
        explicit Box(RecordedCell& cell) : m_cell(cell) {}
        void SetCheckedText(const std::wstring& text) override { m_cell.checkedText = text; }
        void SetUncheckedText(const std::wstring& text) override { m_cell.uncheckedText = text; }
        bool GetCheck() override { return !m_cell.text.empty() && m_cell.text[0] == L'1'; }
        void SetCheck(bool check) override
        {
            if (m_cell.text.empty())
                m_cell.text = L" ";
            m_cell.text[0] = check ? L'1' : L'0';
        }
        RecordedCell& m_cell;
    };
    class Combo : public GridComboBoxAccess {
    public:
        explicit Combo(RecordedCell& cell) : m_cell(cell) {}
        void SetCurSel(int index) override { m_cell.curSel = index; }
        RecordedCell& m_cell;
    };
    std::unique_ptr<GridCellAccess> m_view;
};
