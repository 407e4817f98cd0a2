#pragma once
// Cell keys and the grid's ordered key set. A key is (row << 16) | column, so
// ascending order is row by row, left to right: the grid's Tab order.
#include <cstdint>
#include <set>

using CellKey = std::uint32_t;

// What the stepping operations give when there is no key to go to.
constexpr long long kNoCellKey = -1;

inline CellKey MakeCellKey(int row, int column)
{
    return (static_cast<CellKey>(row) << 16) | (static_cast<CellKey>(column) & 0xFFFFu);
}
inline int CellKeyRow(CellKey key)
{
    return static_cast<int>(key >> 16);
}
inline int CellKeyColumn(CellKey key)
{
    return static_cast<int>(key & 0xFFFFu);
}
// A key one row further down (the row half wraps within its 16 bits).
inline CellKey KeyShiftedDown(CellKey key)
{
    return static_cast<CellKey>(key + 0x10000u);
}
// A key one column further right; the column wraps within its 16 bits and
// never spills into the row.
inline CellKey KeyShiftedRight(CellKey key)
{
    return (key & 0xFFFF0000u) | ((key + 1u) & 0xFFFFu);
}

class CellKeySet {
public:
    void Insert(CellKey key) { m_keys.insert(key); }
    void Erase(CellKey key) { m_keys.erase(key); }
    void Clear() { m_keys.clear(); }
    bool Contains(CellKey key) const { return m_keys.count(key) != 0; }
    bool IsEmpty() const { return m_keys.empty(); }
    int Count() const { return static_cast<int>(m_keys.size()); }

    // The smallest and the largest key; kNoCellKey when the set is empty.
    long long First() const;
    long long Last() const;
    // The key after (before) the given one; kNoCellKey when it is the last
    // (first) key or not in the set.
    long long NextKey(CellKey key) const;
    long long PreviousKey(CellKey key) const;

    // Every key whose row (column) is the given one or greater moves one row
    // down (one column right); the other keys stay.
    void ShiftRows(int row);
    void ShiftColumns(int column);

    const std::set<CellKey>& Keys() const { return m_keys; }

private:
    std::set<CellKey> m_keys;
};
