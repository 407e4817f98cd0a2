#pragma once
// The seven roads a firmware update takes, chosen by the target product id,
// and what each road's image reader asks of the container.

#include "firmware/FirmwareJob.h"
#include "firmware/ImageContainer.h"

enum class UpdateRoad {
    kVersionedImage = 1,   // HID pair check, two channel versions; short table, name-field test
    kDualChannelImage = 2, // HID pair check, two channel versions; any model code
    kDualChip = 3,         // two-chip HID pair; then the flash loader
    kLoader = 4,           // HID pair check, the found interface's version; then the unit's loader
    kCamera = 5,           // HID pair check, the firmware version; camera models copy to the card
    kRebootImage = 6,      // HID reboot into the update mode, reopen, firmware version
    kDfu = 7,              // the chip vendor's DFU library (every other product id)
};

struct UpdateRoadInfo {
    UpdateRoad road;
    // The routine that runs the road's transfer on its own thread; none for
    // the DFU road, which the DFU library carries on the page's thread.
    WorkerRoutine worker;
};

UpdateRoadInfo FindUpdateRoad(int modelCode);

// 1 to 6: the roads whose transfer runs on a worker thread.
bool IsWorkerRoad(UpdateRoad road);

// The check options of the image reader of a model's road: table, model test
// and the number of sections the road takes out of the container (the camera
// package of the DFU road for 0x3020).
ImageCheckOptions ImageCheckOptionsForModel(int modelCode);
