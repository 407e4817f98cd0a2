#pragma once
// The update of the models with a loader: the normal firmware takes its
// sections over the HID channel, then the unit restarts into its loader (an
// interface of its own, 0x3120), which takes one more section in small chunks
// that a newer loader confirms one by one with a CRC-16.

#include <cstddef>
#include <cstdint>
#include <string>

#include "link/HidDeviceSeam.h"

class WorkerHost;

constexpr int kLoaderProductId = 0x3120;
constexpr std::size_t kLoaderChunkBytes = 58;

struct LoaderVersion {
    int major = 1;
    int minor = 0;
    int kind = 0;
    int build = 0;
};

// Reply bytes 3 to 6 of the loader's version query; 1.0.0.0 when it fails.
LoaderVersion ReadLoaderVersion(HidHandle* loader);

// Loaders from 1.0 kind 2 build 1 on confirm every chunk and the section.
bool LoaderConfirmsChunks(const LoaderVersion& version);

// The loader section in chunks of at most 58 bytes: unconfirmed, or each chunk
// checked and the whole section checked at the end (the section again from its
// start after a failed check, five times). The error-site tag of the failure,
// or an empty text.
std::wstring SendLoaderSection(HidHandle* loader, const std::uint8_t* data, std::size_t length, bool confirmed);

// The voice-prompt language number in the image file name ("fw_v2.1-kr.img":
// 5); 0 when the name carries no code.
int LoaderLanguageNumber(const std::wstring& imagePath);

// The worker; it ends at its failure end or after asking for the wait timer.
void LoaderUpdateThread(WorkerHost& host);
