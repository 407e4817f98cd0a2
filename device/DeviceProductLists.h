#pragma once
// Product-id lists of the device record's change test and configuration word,
// one list per rule, in the order the rules are applied.

#include <cstddef>

#include "core/ProductIdList.h"

// Catalogue models whose change test is settled without comparing settings.
extern const ProductIdList kUntrackedProducts;

// What the change test compares for a tracked product.
enum ModifiedCompare : unsigned {
    kCompareConfigWord = 1u << 0,
    kCompareBasicWords = 1u << 1,
    kCompareCameraWords = 1u << 2,
    kCompareSmartVolumeWords = 1u << 3,
    kCompareVoxWords = 1u << 4,
    kCompareVoxWordsFrom1_1 = 1u << 5, // VOX words only on firmware 1.1 or later
};

struct ModifiedRule {
    ProductIdList products;
    unsigned compares;
};

extern const ModifiedRule kModifiedRules[];
extern const std::size_t kModifiedRuleCount;
// Every tracked product that no rule names.
constexpr unsigned kModifiedDefaultCompares = kCompareConfigWord;

// Products whose FM block takes part in the change test: all ten presets, or
// only the first six.
extern const ProductIdList kFmTenPresetProducts;
extern const ProductIdList kFmSixPresetProducts;

// Configuration word groups.
extern const ProductIdList kConfigWordGroupA;            // bit 10 also from audio boost
extern const ProductIdList kConfigWordGroupB;            // bit 11 HD intercom
extern const ProductIdList kConfigWordHdIntercomFrom1_1; // bit 11 on firmware 1.1 or later
extern const ProductIdList kConfigWordGroupC;            // bit 12 FM station guide
extern const ProductIdList kConfigWordGroupD;            // bits 14 and 15
extern const ProductIdList kConfigWordRoutecueProducts;  // bit 13 from Routecue, not HD voice
