#pragma once
// The grid's owning map of cells and the rules by which cells enter and leave
// it. A template over the cell type, so that ownership is the same code for
// the window's cells and for a plain counting cell in a test.
#include <functional>
#include <unordered_map>
#include <utility>
#include <vector>

#include "grid/CellKeySet.h"

template <class Cell> class CellMap {
public:
    CellMap() = default;
    CellMap(const CellMap&) = delete;
    CellMap& operator=(const CellMap&) = delete;
    ~CellMap() { DeleteAll(); }

    Cell* Lookup(CellKey key) const
    {
        auto it = m_cells.find(key);
        return it == m_cells.end() ? nullptr : it->second;
    }
    // The map owns the cell from now on.
    void Set(CellKey key, Cell* cell) { m_cells[key] = cell; }
    // The cell leaves the map; the caller owns it.
    Cell* Take(CellKey key)
    {
        auto it = m_cells.find(key);
        if (it == m_cells.end())
            return nullptr;
        Cell* cell = it->second;
        m_cells.erase(it);
        return cell;
    }
    int Count() const { return static_cast<int>(m_cells.size()); }
    bool IsEmpty() const { return m_cells.empty(); }
    std::vector<std::pair<CellKey, Cell*>> Entries() const
    {
        return std::vector<std::pair<CellKey, Cell*>>(m_cells.begin(), m_cells.end());
    }
    void DeleteAll()
    {
        auto cells = std::move(m_cells);
        m_cells.clear();
        for (auto& entry : cells)
            delete entry.second;
    }

    // Every cell whose row (column) is the given one or greater moves one row
    // down (column right): each entry is keyed anew into a second map, which
    // then replaces this one.
    void ShiftRows(int row)
    {
        Rekey([row](CellKey key) { return CellKeyRow(key) >= (row & 0xFFFF); }, true);
    }
    void ShiftColumns(int column)
    {
        Rekey([column](CellKey key) { return CellKeyColumn(key) >= (column & 0xFFFF); }, false);
    }

private:
    void Rekey(const std::function<bool(CellKey)>& moves, bool rows)
    {
        std::unordered_map<CellKey, Cell*> shifted;
        for (auto& entry : m_cells) {
            CellKey key = entry.first;
            if (moves(key))
                key = rows ? KeyShiftedDown(key) : KeyShiftedRight(key);
            // Only a shift that wraps round can meet a kept key; the cell
            // that finds its place taken is not leaked.
            if (!shifted.emplace(key, entry.second).second)
                delete entry.second;
        }
        m_cells.swap(shifted);
    }

    std::unordered_map<CellKey, Cell*> m_cells;
};

// The grid's members that ownership touches, seen together: the map, the key
// set (always holding exactly the map's keys) and the active cell.
template <class Cell> class CellOwnership {
public:
    CellOwnership(CellMap<Cell>& cells, CellKeySet& keys, int& activeRow, int& activeColumn, Cell*& activeCell)
        : m_cells(cells), m_keys(keys), m_activeRow(activeRow), m_activeColumn(activeColumn), m_activeCell(activeCell)
    {}

    // The cell at the position goes first (the same cell given again stays).
    void Attach(int row, int column, Cell* cell)
    {
        const CellKey key = MakeCellKey(row, column);
        if (m_cells.Lookup(key) != cell)
            Remove(row, column);
        m_cells.Set(key, cell);
        m_keys.Insert(key);
    }

    // The active cell is deactivated before it is destroyed.
    bool Remove(int row, int column)
    {
        const CellKey key = MakeCellKey(row, column);
        Cell* cell = m_cells.Take(key);
        if (cell) {
            if (cell == m_activeCell)
                Deactivate();
            delete cell;
        }
        m_keys.Erase(key);
        return cell != nullptr;
    }

    void RemoveAll()
    {
        for (auto& entry : m_cells.Entries())
            Remove(CellKeyRow(entry.first), CellKeyColumn(entry.first));
    }

    void Deactivate()
    {
        m_activeRow = -1;
        m_activeColumn = -1;
        if (m_activeCell)
            m_activeCell->Deactivate();
        m_activeCell = nullptr;
    }

    // A row (column) inserted before the active cell takes the active
    // position along with the cell, so its text keeps going to its own row.
    void ShiftRows(int row)
    {
        m_cells.ShiftRows(row);
        m_keys.ShiftRows(row);
        if (m_activeRow != -1 && m_activeColumn != -1 && m_activeRow >= (row & 0xFFFF))
            m_activeRow = CellKeyRow(KeyShiftedDown(MakeCellKey(m_activeRow, m_activeColumn)));
    }
    void ShiftColumns(int column)
    {
        m_cells.ShiftColumns(column);
        m_keys.ShiftColumns(column);
        if (m_activeRow != -1 && m_activeColumn != -1 && m_activeColumn >= (column & 0xFFFF))
            m_activeColumn = CellKeyColumn(KeyShiftedRight(MakeCellKey(m_activeRow, m_activeColumn)));
    }

private:
    CellMap<Cell>& m_cells;
    CellKeySet& m_keys;
    int& m_activeRow;
    int& m_activeColumn;
    Cell*& m_activeCell;
};
