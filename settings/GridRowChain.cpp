// The chain of groups in the order a product id is tested. The classic models stand ahead of
// every group with rows; an id that no group names gets no rows.

#include "settings/GridRowGroups.h"

// clang-format off
const GridRowGroup* const kGridRowChain[] = {
    &kGridClassic,
    // 0x42xx to 0x46xx, 0x2030, 0x5520, 0x5526, 0x5720.
    &kGrid4210, &kGrid4310, &kGrid4510, &kGrid4530, &kGrid4610, &kGrid2030, &kGrid4410,
    &kGrid5520, &kGrid5526, &kGrid5720,
    // 0x5610 to 0x5621, 0x5510, 0x5580, 0x5570, 0x5530, 0x5532, 0x5550.
    &kGrid5610, &kGrid5510, &kGrid5580, &kGrid5570, &kGrid5530, &kGrid5532, &kGrid5550,
    // 0x31xx, 0x5710 to 0x3040.
    &kGrid3110, &kGrid3112, &kGrid3124, &kGrid3116, &kGrid3118,
    &kGrid5710, &kGrid5623, &kGrid5622, &kGrid5524, &kGrid5536, &kGrid5522,
    &kGrid3030, &kGrid3050, &kGrid3060, &kGrid3040,
    // 0x6210, 0x6400, 0x59xx, 0x5560, 0x54xx, 0x60xx.
    &kGrid6210, &kGrid6400, &kGrid5910, &kGrid5560, &kGrid5410, &kGrid5412, &kGrid5420, &kGrid5418, &kGrid5416,
    &kGrid6010, &kGrid6014, &kGrid6026, &kGrid6018, &kGrid6020,
};
// clang-format on

const std::size_t kGridRowChainLength = sizeof(kGridRowChain) / sizeof(kGridRowChain[0]);
