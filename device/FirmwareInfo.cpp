#include "device/FirmwareInfo.h"

#include <algorithm>
#include <cwctype>

#include "device/VersionCompare.h"

namespace {

const std::wstring kNoText;

// Reset mode of the update page; the others make the record idle.
constexpr int kUpdateResetMode = 3;

bool EqualIgnoringCase(const std::wstring& left, const std::wstring& right)
{
    if (left.size() != right.size())
        return false;
    for (std::size_t i = 0; i < left.size(); ++i) {
        if (std::towlower(static_cast<std::wint_t>(left[i])) != std::towlower(static_cast<std::wint_t>(right[i])))
            return false;
    }
    return true;
}

} // namespace

FirmwareInfo::FirmwareInfo()
    : m_files(kFirmwareFileSlotStep), m_languages(kFirmwareFileSlotStep), m_capacity(kFirmwareFileSlotStep)
{}

void FirmwareInfo::Reset(int mode)
{
    if (mode == kUpdateResetMode) {
        m_state = kJobResetForUpdate;
        m_version = ImageVersion();
    } else {
        m_state = kJobIdle;
        m_clearedMark = 1;
    }
    m_selectedFile.clear();
    m_count = 0;
    m_progress = -10;
    m_finished = 0;
    m_succeeded = 0;
    m_statusText = LanguageTextSet();
}

// m_count is public; never trust it beyond the slots that exist.
int FirmwareInfo::FilledSlots() const
{
    const int slots = static_cast<int>(std::min(m_files.size(), m_languages.size()));
    return std::max(0, std::min(m_count, slots));
}

void FirmwareInfo::AddLanguageFile(const std::wstring& fileName, const std::wstring& language)
{
    const int slot = FilledSlots();
    std::size_t slots = std::min(m_files.size(), m_languages.size());
    if (static_cast<std::size_t>(slot) + 1 > slots) {
        slots += kFirmwareFileSlotStep;
        m_files.resize(slots);
        m_languages.resize(slots);
    }
    m_capacity = static_cast<int>(slots);
    m_files[slot] = fileName;
    m_languages[slot] = language;
    m_count = slot + 1;
}

int FirmwareInfo::FindLanguage(const std::wstring& language) const
{
    const int filled = FilledSlots();
    for (int i = 0; i < filled; ++i) {
        if (EqualIgnoringCase(m_languages[i], language))
            return i;
    }
    return -1;
}

const std::wstring& FirmwareInfo::FileName(int index) const
{
    return (index >= 0 && index < FilledSlots()) ? m_files[index] : kNoText;
}

const std::wstring& FirmwareInfo::FileLanguage(int index) const
{
    return (index >= 0 && index < FilledSlots()) ? m_languages[index] : kNoText;
}

int FirmwareInfo::SetVersionText(const std::wstring& text)
{
    return ParseVersion2(text, m_version.major, m_version.minor);
}

int FirmwareInfo::SetVersionText4(const std::wstring& text)
{
    return ParseVersion4(text, m_version.major, m_version.minor, m_version.kind, m_version.build);
}

std::wstring FirmwareInfo::StatusText(int language) const
{
    return m_statusText[UiLanguageRow(language)];
}

void FirmwareInfo::SetStatusText(int language, const std::wstring& text)
{
    if (language < 0 || language >= kUiLanguageCount)
        return;
    m_statusText[language] = text;
}

void FirmwareInfo::ReplaceStatusTexts(const LanguageTextSet& texts)
{
    m_statusText = texts;
}

LanguageTextSet FirmwareInfo::StatusTexts() const
{
    return m_statusText;
}

LanguageTextSet FirmwareInfo::TakeStatusTexts()
{
    LanguageTextSet taken;
    taken.swap(m_statusText);
    return taken;
}
