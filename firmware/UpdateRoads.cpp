#include "firmware/UpdateRoads.h"

#include <cstddef>

#include "device/DeviceProductLists.h"
#include "firmware/CameraWorker.h"
#include "firmware/DualChipWorker.h"
#include "firmware/ImageWorkers.h"
#include "firmware/LoaderUpdate.h"

namespace {

template <std::size_t N> constexpr ProductIdList List(const int (&ids)[N])
{
    return ProductIdList{ids, N};
}

// The tables below are aligned by hand, row by row, to be read against each other.
// clang-format off

const int kRoad1[] = {0x4210};
const int kRoad2[] = {0x4310, 0x4350, 0x4330, 0x4430, 0x4410, 0x4510, 0x4530, 0x4610, 0x2030};
const int kRoad3[] = {0x5345};
const int kRoad4[] = {0x3110, 0x3500, 0x3112, 0x3114, 0x3116, 0x3118, 0x3124, 0x3126};
const int kRoad5[] = {0x5610, 0x5611, 0x5612, 0x5620, 0x5621, 0x5510, 0x5580, 0x5570, 0x3060, 0x5520, 0x5560,
                      0x5526, 0x5720, 0x5530, 0x5532, 0x5550, 0x5710, 0x5623, 0x5622, 0x5624, 0x5524, 0x5536,
                      0x5522, 0x3030, 0x3050, 0x3040, 0x6210, 0x6400, 0x5320, 0x5330, 0x5910, 0x5920};
const int kRoad6[] = {0x6010, 0x6018, 0x6012, 0x6014, 0x6016, 0x6026, 0x5410, 0x5412, 0x5414, 0x5420, 0x5418,
                      0x5416};

struct RoadRow {
    ProductIdList products;
    UpdateRoadInfo info;
    ImageTable table;
    ImageModelTest modelTest;
};

// Tested in this order; the first row that lists the product wins.
const RoadRow kRoadRows[] = {
    {List(kRoad1), {UpdateRoad::kVersionedImage,   VersionedImageUpdateThread},   ImageTable::kShort, ImageModelTest::kNameField},
    {List(kRoad2), {UpdateRoad::kDualChannelImage, DualChannelImageUpdateThread}, ImageTable::kLong,  ImageModelTest::kNone},
    {List(kRoad3), {UpdateRoad::kDualChip,         DualChipUpdateThread},         ImageTable::kLong,  ImageModelTest::kEquality},
    {List(kRoad4), {UpdateRoad::kLoader,           LoaderUpdateThread},           ImageTable::kLong,  ImageModelTest::kEquality},
    {List(kRoad5), {UpdateRoad::kCamera,           CameraFirmwareUpdateThread},   ImageTable::kLong,  ImageModelTest::kEquality},
    {List(kRoad6), {UpdateRoad::kRebootImage,      ImageUpdateThread},            ImageTable::kLong,  ImageModelTest::kEquality},
};
constexpr UpdateRoadInfo kDfuRoad = {UpdateRoad::kDfu, nullptr};

// Sections a road takes out of the container, where it takes a fixed number:
// the loader models send one or two sections and then the loader's; the four
// camera headsets carry the camera firmware as section 2; the two-chip and the
// camera packages hold the two parts they are unpacked into.
struct MinimumSectionsRow {
    int productId;
    int sections;
};

const MinimumSectionsRow kMinimumSections[] = {
    {0x3500, 2},
    {0x3110, 3}, {0x3112, 3}, {0x3114, 3}, {0x3116, 3}, {0x3118, 3}, {0x3124, 3}, {0x3126, 3},
    {0x5510, 3}, {0x5580, 3}, {0x5570, 3}, {0x3060, 3},
    {0x5345, 2},
    {0x3020, 2},
};

// clang-format on

constexpr int kCameraPackageProduct = 0x3020;

int MinimumSections(int modelCode)
{
    for (const MinimumSectionsRow& row : kMinimumSections) {
        if (row.productId == modelCode)
            return row.sections;
    }
    return 0;
}

} // namespace

UpdateRoadInfo FindUpdateRoad(int modelCode)
{
    for (const RoadRow& row : kRoadRows) {
        if (row.products.Contains(modelCode))
            return row.info;
    }
    return kDfuRoad;
}

bool IsWorkerRoad(UpdateRoad road)
{
    return road != UpdateRoad::kDfu;
}

ImageCheckOptions ImageCheckOptionsForModel(int modelCode)
{
    ImageCheckOptions options;
    options.expectedModel = modelCode;
    options.minimumSections = MinimumSections(modelCode);
    for (const RoadRow& row : kRoadRows) {
        if (row.products.Contains(modelCode)) {
            options.table = row.table;
            options.modelTest = row.modelTest;
            return options;
        }
    }
    // The DFU road reads a container only for the camera's package.
    if (modelCode == kCameraPackageProduct) {
        options.table = ImageTable::kShort;
        options.modelTest = ImageModelTest::kAfterSections;
    }
    return options;
}
