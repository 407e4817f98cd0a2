#pragma once
// A simulated action camera behind a headset's HID interface, with its
// memory card: the drive commands offer the card to the PC as a removable
// drive (after a few drive scans) or take it back; a camera that gets its
// card back with the firmware file on it installs it. The card is also the
// firmware's drive seam, so the drive step sees it as the system's drives;
// or it lies in a folder that a test maps to a removable drive letter.

#include <cstdint>
#include <map>
#include <string>
#include <thread>
#include <vector>

#include "firmware/CameraDriveSeam.h"

struct SimHidInterface;

struct SimCameraKnobs {
    bool noCard = false;     // the drive never shows
    int scansUntilShown = 2; // drive scans after an offer before the drive shows
    int failPollAt = 0;      // the n-th drive state poll (1-based) fails; 0 none
    bool neverInstalls = false;
    bool createFails = false; // the card refuses new files
    int letter = 4;           // E:
    // After the offer that follows an install, the camera takes its card
    // back by itself after this many polls (the camera that restarts once
    // more); 0: never.
    int withdrawsItselfAfterPolls = 0;
    // Polls after the first offer that still find the card not offered (a
    // failed poll does not count).
    int firstOfferLagPolls = 0;
};

class SimCameraCard final : public CameraDriveSeam {
public:
    // The camera behind iface; the target name it installs from and the
    // version file it keeps.
    SimCameraCard(SimHidInterface& iface, std::wstring versionFile, std::wstring targetName);
    ~SimCameraCard() override;

    // Installs itself as the drive seam for its lifetime.
    void Install();
    // The card as a folder (which the test maps to a removable drive; the
    // drive seam is then the system's): while the card is offered its files
    // lie in the folder, the version file only versionDelayMs after the
    // offer; while the camera keeps the card the folder is empty.
    void UseFolder(const std::wstring& folder, int versionDelayMs);

    SimCameraKnobs knobs;
    // The card's files by name relative to its root.
    std::map<std::wstring, std::vector<std::uint8_t>> files;
    // The version the camera shows once it has installed a firmware file.
    std::string installedVersion = "9.9";
    int offers = 0;
    int releases = 0;
    int installs = 0;
    int polls = 0;
    bool offered = false;

    void SetVersionText(const std::string& text) { files[m_versionFile].assign(text.begin(), text.end()); }

    // CameraDriveSeam
    unsigned LogicalDrives() override;
    bool IsRemovable(const std::wstring& root) override;
    bool Exists(const std::wstring& path) override;
    bool ReadJoinedLines(const std::wstring& path, std::wstring& joined) override;
    WriteResult WriteNew(const std::wstring& path, const std::uint8_t* data, std::size_t length) override;
    bool Rename(const std::wstring& from, const std::wstring& to) override;
    bool ReadBytes(const std::wstring& path, std::vector<std::uint8_t>& bytes) override;
    long long FileSize(const std::wstring& path) override;
    void Remove(const std::wstring& path) override;

private:
    int OnCommand(int command, std::vector<unsigned char>& reply);
    // The name on the card, or empty when the path is not on the shown card.
    std::wstring OnCard(const std::wstring& path) const;
    void Withdraw();
    // Folder mode: the card's files into the folder, and back.
    void ShowInFolder();
    void TakeBackFromFolder();
    void JoinVersionWriter();

    SimHidInterface& m_iface;
    std::wstring m_versionFile;
    std::wstring m_targetName;
    int m_scansLeft = 0;
    int m_pollsUntilWithdraw = 0;
    int m_lagPollsLeft = 0;
    std::wstring m_folder; // empty: the card is the drive seam
    int m_versionDelayMs = 0;
    std::thread m_versionWriter;
};
