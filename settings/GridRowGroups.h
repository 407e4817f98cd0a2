#pragma once
// The groups of the row catalogue, each defined in the data file of its models and joined in
// chain order by GridRowChain.cpp.

#include "settings/GridRowCatalogue.h"

template <std::size_t N> constexpr ProductIdList GridProducts(const int (&ids)[N])
{
    return ProductIdList{ids, N};
}

// Models with the classic option layout, and 0x42xx to 0x46xx, 0x2030, 0x5520, 0x5526, 0x5720.
extern const GridRowGroup kGridClassic;
extern const GridRowGroup kGrid4210;
extern const GridRowGroup kGrid4310;
extern const GridRowGroup kGrid4510;
extern const GridRowGroup kGrid4530;
extern const GridRowGroup kGrid4610;
extern const GridRowGroup kGrid2030;
extern const GridRowGroup kGrid4410;
extern const GridRowGroup kGrid5520;
extern const GridRowGroup kGrid5526;
extern const GridRowGroup kGrid5720;

// 0x5610 to 0x5621, the camera model 0x5510, 0x5580, 0x5570, 0x5530, 0x5532, 0x5550.
extern const GridRowGroup kGrid5610;
extern const GridRowGroup kGrid5510;
extern const GridRowGroup kGrid5580;
extern const GridRowGroup kGrid5570;
extern const GridRowGroup kGrid5530;
extern const GridRowGroup kGrid5532;
extern const GridRowGroup kGrid5550;

// 0x31xx, and 0x5710 to 0x3040.
extern const GridRowGroup kGrid3110;
extern const GridRowGroup kGrid3112;
extern const GridRowGroup kGrid3124;
extern const GridRowGroup kGrid3116;
extern const GridRowGroup kGrid3118;
extern const GridRowGroup kGrid5710;
extern const GridRowGroup kGrid5623;
extern const GridRowGroup kGrid5622;
extern const GridRowGroup kGrid5524;
extern const GridRowGroup kGrid5536;
extern const GridRowGroup kGrid5522;
extern const GridRowGroup kGrid3030;
extern const GridRowGroup kGrid3050;
extern const GridRowGroup kGrid3060;
extern const GridRowGroup kGrid3040;

// 0x54xx, 0x5560, 0x59xx, 0x60xx, 0x6210, 0x6400.
extern const GridRowGroup kGrid6210;
extern const GridRowGroup kGrid6400;
extern const GridRowGroup kGrid5910;
extern const GridRowGroup kGrid5560;
extern const GridRowGroup kGrid5410;
extern const GridRowGroup kGrid5412;
extern const GridRowGroup kGrid5420;
extern const GridRowGroup kGrid5418;
extern const GridRowGroup kGrid5416;
extern const GridRowGroup kGrid6010;
extern const GridRowGroup kGrid6014;
extern const GridRowGroup kGrid6026;
extern const GridRowGroup kGrid6018;
extern const GridRowGroup kGrid6020;
