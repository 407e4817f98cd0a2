#include "sim/SimCameraCard.h"

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "link/HidChannel.h"
#include "sim/SimHeadset.h"

namespace {

constexpr int kStatusFailure = 2;

namespace fs = std::filesystem;

void WriteCardFile(const fs::path& path, const std::vector<std::uint8_t>& bytes)
{
    std::error_code ignored;
    fs::create_directories(path.parent_path(), ignored);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

} // namespace

SimCameraCard::SimCameraCard(SimHidInterface& iface, std::wstring versionFile, std::wstring targetName)
    : m_iface(iface), m_versionFile(std::move(versionFile)), m_targetName(std::move(targetName))
{
    m_iface.onCommand = [this](int command, std::vector<unsigned char>& reply) { return OnCommand(command, reply); };
}

SimCameraCard::~SimCameraCard()
{
    // The camera leaves with its card.
    Withdraw();
    JoinVersionWriter();
    m_iface.onCommand = nullptr;
    SetCameraDriveSeam(nullptr);
}

void SimCameraCard::Install()
{
    SetCameraDriveSeam(this);
}

void SimCameraCard::UseFolder(const std::wstring& folder, int versionDelayMs)
{
    m_folder = folder;
    m_versionDelayMs = versionDelayMs;
    SetCameraDriveSeam(nullptr);
}

void SimCameraCard::JoinVersionWriter()
{
    if (m_versionWriter.joinable())
        m_versionWriter.join();
}

void SimCameraCard::ShowInFolder()
{
    JoinVersionWriter();
    if (knobs.noCard)
        return;
    const fs::path root(m_folder);
    for (const auto& file : files) {
        if (file.first != m_versionFile)
            WriteCardFile(root / file.first, file.second);
    }
    const auto version = files.find(m_versionFile);
    if (version == files.end()) {
        files.clear();
        return;
    }
    // The camera shows its card before it has its version file ready.
    m_versionWriter = std::thread([path = root / m_versionFile, bytes = version->second, delay = m_versionDelayMs] {
        std::this_thread::sleep_for(std::chrono::milliseconds(delay));
        WriteCardFile(path, bytes);
    });
    // While offered, the card's files are the folder's.
    files.clear();
}

void SimCameraCard::TakeBackFromFolder()
{
    JoinVersionWriter();
    if (knobs.noCard)
        return;
    const fs::path root(m_folder);
    std::error_code error;
    files.clear();
    for (fs::recursive_directory_iterator it(root, error), end; !error && it != end; it.increment(error)) {
        if (!it->is_regular_file())
            continue;
        std::ifstream in(it->path(), std::ios::binary);
        files[it->path().lexically_relative(root).generic_wstring()].assign(std::istreambuf_iterator<char>(in),
                                                                            std::istreambuf_iterator<char>());
    }
    for (fs::directory_iterator it(root, error), end; !error && it != end; it.increment(error))
        fs::remove_all(it->path(), error);
}

void SimCameraCard::Withdraw()
{
    const bool wasOffered = offered;
    offered = false;
    if (wasOffered && !m_folder.empty())
        TakeBackFromFolder();
}

int SimCameraCard::OnCommand(int command, std::vector<unsigned char>& reply)
{
    switch (command) {
    case kHidCmdCameraStep1:
        ++offers;
        if (!offered && !m_folder.empty())
            ShowInFolder();
        offered = true;
        m_scansLeft = knobs.scansUntilShown;
        if (offers == 1)
            m_lagPollsLeft = knobs.firstOfferLagPolls;
        if (installs > 0 && m_pollsUntilWithdraw == 0)
            m_pollsUntilWithdraw = knobs.withdrawsItselfAfterPolls;
        break;
    case kHidCmdCameraStep2:
        ++releases;
        Withdraw();
        if (!knobs.neverInstalls && files.count(m_targetName) != 0) {
            // The camera takes the file and shows its new version.
            files.erase(m_targetName);
            SetVersionText(installedVersion + "\r\n");
            ++installs;
        }
        break;
    case kHidCmdCameraReady:
        if (++polls == knobs.failPollAt)
            return kStatusFailure;
        if (m_pollsUntilWithdraw > 0 && --m_pollsUntilWithdraw == 0) {
            Withdraw();
            m_pollsUntilWithdraw = -1; // once
        }
        // The drive state: non-zero while the card is offered.
        reply[kHidReplyFirstData] = offered && m_lagPollsLeft == 0 ? 1 : 0;
        if (m_lagPollsLeft > 0)
            --m_lagPollsLeft;
        return -1;
    default: break;
    }
    return -1;
}

unsigned SimCameraCard::LogicalDrives()
{
    unsigned drives = 1u << 2; // C:, never removable
    if (!offered || knobs.noCard)
        return drives;
    if (m_scansLeft > 0) {
        --m_scansLeft;
        return drives;
    }
    return drives | (1u << knobs.letter);
}

bool SimCameraCard::IsRemovable(const std::wstring& root)
{
    return root.size() >= 1 && root[0] == static_cast<wchar_t>(L'A' + knobs.letter);
}

std::wstring SimCameraCard::OnCard(const std::wstring& path) const
{
    const std::wstring root = std::wstring(1, static_cast<wchar_t>(L'A' + knobs.letter)) + L":\\";
    if (!offered || knobs.noCard || path.compare(0, root.size(), root) != 0)
        return std::wstring();
    return path.substr(root.size());
}

bool SimCameraCard::Exists(const std::wstring& path)
{
    const std::wstring name = OnCard(path);
    return !name.empty() && files.count(name) != 0;
}

bool SimCameraCard::ReadJoinedLines(const std::wstring& path, std::wstring& joined)
{
    joined.clear();
    if (!Exists(path))
        return false;
    for (std::uint8_t c : files[OnCard(path)]) {
        if (c != '\r' && c != '\n')
            joined += static_cast<wchar_t>(c);
    }
    return true;
}

CameraDriveSeam::WriteResult SimCameraCard::WriteNew(const std::wstring& path, const std::uint8_t* data,
                                                     std::size_t length)
{
    const std::wstring name = OnCard(path);
    if (name.empty() || knobs.createFails)
        return WriteResult::kNotCreated;
    files[name].assign(data, data + length);
    return WriteResult::kWritten;
}

bool SimCameraCard::Rename(const std::wstring& from, const std::wstring& to)
{
    const std::wstring source = OnCard(from);
    const std::wstring target = OnCard(to);
    if (source.empty() || target.empty() || files.count(source) == 0 || files.count(target) != 0)
        return false;
    files[target] = std::move(files[source]);
    files.erase(source);
    return true;
}

bool SimCameraCard::ReadBytes(const std::wstring& path, std::vector<std::uint8_t>& bytes)
{
    if (!Exists(path))
        return false;
    bytes = files[OnCard(path)];
    return true;
}

long long SimCameraCard::FileSize(const std::wstring& path)
{
    return Exists(path) ? static_cast<long long>(files[OnCard(path)].size()) : -1;
}

void SimCameraCard::Remove(const std::wstring& path)
{
    const std::wstring name = OnCard(path);
    if (!name.empty())
        files.erase(name);
}
