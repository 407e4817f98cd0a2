#include <gtest/gtest.h>

#include <set>

#include "link/PsKeyTable.h"

namespace {

TEST(PsKeyTable, EveryKeyOnceWithAnEvenLength)
{
    std::set<int> seen;
    for (std::size_t i = 0; i < kPsKeyTableSize; ++i) {
        EXPECT_TRUE(seen.insert(kPsKeyTable[i].key).second) << kPsKeyTable[i].key;
        EXPECT_EQ(kPsKeyTable[i].bytes % 2, 0) << kPsKeyTable[i].key;
    }
    EXPECT_EQ(PsKeyByteLength(kPsKeyDeviceName), 256);
    EXPECT_EQ(PsKeyByteLength(kPsKeyFmBlock), 30);
    EXPECT_EQ(PsKeyByteLength(kPsKeySpeedDial3), 40);
    EXPECT_EQ(PsKeyByteLength(kPsKeyEdrPatternTable), sizeof kPsKey49Table);
    EXPECT_EQ(PsKeyByteLength(kPsKeyFeatureMask), sizeof kPsEdrOnPattern);
    EXPECT_EQ(PsKeyByteLength(12345), 0);
}

} // namespace
