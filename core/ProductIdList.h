#pragma once
// The one shape of a list of product ids (model codes): per-model rules are
// written as such lists, one per rule, that a reader holds against the tables
// they come from. The ids sit in a plain array of the rule's file; ListOf
// wraps it, and Contains asks it.

#include <algorithm>
#include <cstddef>

struct ProductIdList {
    const int* ids;
    std::size_t count;

    bool Contains(int productId) const { return std::find(ids, ids + count, productId) != ids + count; }
    const int* begin() const { return ids; }
    const int* end() const { return ids + count; }
};

template <std::size_t N> constexpr ProductIdList ListOf(const int (&ids)[N])
{
    return ProductIdList{ids, N};
}
