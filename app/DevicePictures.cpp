#include "app/DevicePictures.h"

#include <algorithm>
#include <initializer_list>

namespace {

struct PictureRow {
    int picture;
    std::initializer_list<int> products;
};

// The table is aligned by hand, to be read as one list.
// clang-format off
const PictureRow kPictureRows[] = {
    {177, {0x4D05, 0x4D35, 0x4D55}},
    {178, {0x4D10, 0x4D30, 0x4D40}},
    {179, {0x5010, 0x5011, 0x5060, 0x5061}},
    {180, {0x5020, 0x5070}},
    {181, {0x5210}},
    {192, {0x5030, 0x5080}},
    {193, {0x5310}},
    {195, {0x4D15, 0x4D45, 0x4D65}},
    {199, {0x5040, 0x5050}},
    {211, {0x4020}},
    {215, {0x4010}},
    {216, {0x4110, 0x4111}},
    {219, {0x4030}},
    {222, {0x2010, 0x2110}},
    {223, {0x2020}},
    {224, {0x3010}},
    {230, {0x4120}},
    {286, {0x3020}},
    {288, {0x4021}},
    {289, {0x4040}},
    {294, {0x5610, 0x5611, 0x5612, 0x5620, 0x5621}},
    {295, {0x5510}},
    {296, {0x5520}},
    {297, {0x4D85}},
    {304, {0x5530, 0x5532}},
    {312, {0x2011}},
    {313, {0x5710, 0x5720}},
    {314, {0x5910, 0x5920}},
    {318, {0x6110, 0x6111}},
    {319, {0x5320}},
    {320, {0x5330}},
    {322, {0x6120}},
    {329, {0x6014}},
    {331, {0x6010}},
    {332, {0x6016}},
    {333, {0x6012}},
    {342, {0x6210}},
    {345, {0x2210}},
    {346, {0x5522, 0x5524, 0x5536}},
    {350, {0x5623}},
    {353, {0x5622, 0x5624}},
    {354, {0x3030, 0x3040}},
    {355, {0x5345}},
    {356, {0x4D75}},
    {357, {0x6018}},
    {360, {0x3114, 0x3116, 0x4310, 0x4350, 0x4410, 0x5526}},
    {361, {0x4330, 0x4430}},
    {364, {0x2310}},
    {365, {0x6121}},
    {366, {0x3110, 0x3112, 0x3126}},
    {367, {0x4510, 0x4530, 0x4610}},
    {368, {0x5410}},
    {369, {0x5412}},
    {370, {0x5414, 0x5418}},
    {371, {0x5416}},
    {375, {0x6020}},
    {376, {0x6022}},
    {377, {0x6024}},
    {378, {0x5550, 0x5560}},
    {379, {0x3050, 0x3124}},
    {380, {0x5580}},
    {381, {0x6026}},
    {382, {0x3060}},
    {383, {0x5570}},
    {384, {0x6420, 0x6430}},
    {385, {0x6400}},
    {386, {0x2030}},
    {387, {0x3500}},
    {388, {0x4D20, 0x4D21, 0x4D50}},
    {390, {0x5420}},
    {391, {0x3118}},
};

// The state product's pictures by the state its unit reports.
struct StatePictureRow {
    int picture;
    std::initializer_list<int> states;
};
const StatePictureRow kStatePictureRows[] = {
    {284, {0, 11}},
    {358, {16, 27}},
};
const int kStatePictureOther = 360;
// clang-format on

bool Lists(std::initializer_list<int> values, int value)
{
    return std::find(values.begin(), values.end(), value) != values.end();
}

} // namespace

int GetDevicePictureId(int productId, int deviceState)
{
    if (productId == kStatePictureProduct) {
        for (const StatePictureRow& row : kStatePictureRows)
            if (Lists(row.states, deviceState))
                return row.picture;
        return kStatePictureOther;
    }
    for (const PictureRow& row : kPictureRows)
        if (Lists(row.products, productId))
            return row.picture;
    return kProductLogoPictureId;
}

std::vector<int> DevicePictureIds()
{
    std::vector<int> ids;
    for (const PictureRow& row : kPictureRows)
        ids.push_back(row.picture);
    for (const StatePictureRow& row : kStatePictureRows)
        ids.push_back(row.picture);
    ids.push_back(kStatePictureOther);
    std::sort(ids.begin(), ids.end());
    ids.erase(std::unique(ids.begin(), ids.end()), ids.end());
    return ids;
}
