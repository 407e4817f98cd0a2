#pragma once
// The update worker of the largest HID group, the camera headsets among
// them: the image over the unit's two channels, and for the four camera
// models first the camera's own firmware through the camera's card.

#include <cstdint>

#include "firmware/ImageWorkers.h"

struct ImageSection;

// The camera drive step: section 2 onto the camera's card, the camera's
// install awaited and its version checked. False after it has written its
// failure texts and set the job's failure flag.
bool CopyCameraFirmwareToCard(WorkerHost& host, const ImageSection& camera, const std::uint8_t* data);

void CameraFirmwareUpdateThread(WorkerHost& host);
