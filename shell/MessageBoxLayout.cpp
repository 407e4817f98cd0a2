#include "shell/MessageBoxLayout.h"

#include "core/ProductIdList.h"

namespace {

const int kMargin = 20;
const int kTextLeft = 104;
const int kButtonRowFromBottom = 44;

BoxRect Button(int x, int height)
{
    return {x, height - kButtonRowFromBottom, kMessageBoxButtonWidth, kMessageBoxButtonHeight};
}

} // namespace

MessageBoxLayout LayoutMessageBox(int width, int height, bool anyButtonShown)
{
    MessageBoxLayout layout;
    layout.icon = {kMargin, kMargin, kMessageBoxIconSize, kMessageBoxIconSize};
    const int textHeight = height - 2 * kMargin - (anyButtonShown ? kButtonRowFromBottom : 0);
    layout.text = {kTextLeft, kMargin, width - kTextLeft - kMargin, textHeight};
    layout.button1 = Button(width - 135, height);
    layout.button2 = Button(width - 251, height);
    layout.button3 = Button(width - 366, height);
    return layout;
}

namespace {

// The table is aligned by hand, to be read as one list.
// clang-format off
const int kWorkerUpdateModels[] = {
    0x4210, 0x4310, 0x4350, 0x4330, 0x4430, 0x4510, 0x4530, 0x4610, 0x2030, 0x4410,
    0x5345, 0x5530, 0x5532, 0x5550, 0x3116, 0x3118, 0x3124, 0x3126, 0x3110, 0x3112,
    0x3114, 0x5510, 0x5580, 0x5570, 0x5621, 0x5620, 0x5610, 0x5612, 0x5611, 0x5520,
    0x5526, 0x5720, 0x5710, 0x5623, 0x5622, 0x5624, 0x5524, 0x5536, 0x5522, 0x3030,
    0x3050, 0x3060, 0x3040, 0x6210, 0x6400, 0x5320, 0x5330, 0x3500, 0x5910, 0x5920,
    0x6010, 0x6018, 0x6020, 0x6022, 0x6024, 0x6012, 0x6014, 0x6016, 0x6026, 0x5560,
    0x5410, 0x5412, 0x5414, 0x5420, 0x5418, 0x5416,
};
// clang-format on

} // namespace

bool IsWorkerUpdateModel(int productId)
{
    return ListOf(kWorkerUpdateModels).Contains(productId);
}

int WorkerUpdateModelCount()
{
    return static_cast<int>(ListOf(kWorkerUpdateModels).count);
}
