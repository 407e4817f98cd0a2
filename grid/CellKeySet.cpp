#include "grid/CellKeySet.h"

long long CellKeySet::First() const
{
    return m_keys.empty() ? kNoCellKey : static_cast<long long>(*m_keys.begin());
}

long long CellKeySet::Last() const
{
    return m_keys.empty() ? kNoCellKey : static_cast<long long>(*m_keys.rbegin());
}

long long CellKeySet::NextKey(CellKey key) const
{
    auto it = m_keys.find(key);
    if (it == m_keys.end() || ++it == m_keys.end())
        return kNoCellKey;
    return static_cast<long long>(*it);
}

long long CellKeySet::PreviousKey(CellKey key) const
{
    auto it = m_keys.find(key);
    if (it == m_keys.end() || it == m_keys.begin())
        return kNoCellKey;
    return static_cast<long long>(*--it);
}

void CellKeySet::ShiftRows(int row)
{
    const int from = row & 0xFFFF;
    std::set<CellKey> shifted;
    for (CellKey key : m_keys)
        shifted.insert(CellKeyRow(key) >= from ? KeyShiftedDown(key) : key);
    m_keys.swap(shifted);
}

void CellKeySet::ShiftColumns(int column)
{
    const int from = column & 0xFFFF;
    std::set<CellKey> shifted;
    for (CellKey key : m_keys)
        shifted.insert(CellKeyColumn(key) >= from ? KeyShiftedRight(key) : key);
    m_keys.swap(shifted);
}
