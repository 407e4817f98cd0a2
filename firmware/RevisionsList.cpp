#include "firmware/RevisionsList.h"

#include <algorithm>

#include "device/VersionCompare.h"
#include "firmware/ServerListLine.h"
#include "text/UiLanguages.h"

namespace {

constexpr int kCameraProduct = 0x3020;

std::wstring WithoutFirstCharacter(const std::wstring& field)
{
    return field.empty() ? field : field.substr(1);
}

} // namespace

RevisionsMatch MatchRevisionsList(const std::wstring& text, const RevisionsQuery& query)
{
    static const DeviceConfig kNoArchive;
    const DeviceConfig& archive = query.archive ? *query.archive : kNoArchive;
    RevisionsMatch match;
    ServerListLanguages met;
    bool variantMatched = false;
    ServerListReader lines(text);
    std::wstring raw;
    while (lines.Next(raw)) {
        ServerListLine line = SplitServerListLine(raw);
        if ((line.colons == 2 || line.colons == 3) && !IsPlainServerFileName(line.fields[line.colons]))
            line.colons = 0;
        const bool ours = !query.modelKey.empty() && line.fields[0] == query.modelKey;
        if (line.colons == 2) {
            if (variantMatched) {
                match.ready = 1;
                break;
            }
            if (!ours)
                continue;
            const std::wstring version = WithoutFirstCharacter(line.fields[1]);
            match.version = ImageVersion();
            if (query.modelCode == kCameraProduct)
                ParseVersion4(version, match.version.major, match.version.minor, match.version.kind,
                              match.version.build);
            else
                ParseVersion2(version, match.version.major, match.version.minor);
            match.chosenFile = line.fields[2];
            if (archive.CompareFirmwareVersion(match.version.major, match.version.minor) == 0) {
                match.ready = 1;
                break;
            }
            continue;
        }
        bool sameVersion = false;
        ImageVersion version;
        if (line.colons == 3 && ours) {
            const std::wstring number = WithoutFirstCharacter(line.fields[1]);
            if (query.modelCode == kCameraProduct) {
                ParseVersion4(number, version.major, version.minor, version.kind, version.build);
                sameVersion =
                    archive.CompareFullVersion(version.major, version.minor, version.kind, version.build) == 0;
            } else {
                ParseVersion2(number, version.major, version.minor);
                sameVersion = archive.CompareFirmwareVersion(version.major, version.minor) == 0;
            }
        }
        if (!sameVersion) {
            if (variantMatched)
                break;
            continue;
        }
        const std::wstring& language = line.fields[2];
        const std::wstring& file = line.fields[3];
        if (!variantMatched) {
            variantMatched = true;
            match.ready = 1;
            match.version = version;
            match.files.push_back(file);
            match.languages.push_back(language);
            met.Add(language);
            match.selectedItem = 0;
            match.chosenFile = file;
            continue;
        }
        if (met.Find(language) >= 0)
            continue;
        match.files.push_back(file);
        match.languages.push_back(language);
        met.Add(language);
        if (SameListName(language, query.firmwareLanguage)) {
            const int item = met.Find(TranslateLanguageName(language, 0));
            if (item >= 0) {
                match.selectedItem = item;
                match.chosenFile = file;
            }
        }
    }
    if (match.ready && !match.languages.empty() && query.applyToFirmwareLanguage) {
        const int item = met.Find(GetLanguageNameIn(query.uiLanguage, 0));
        if (item >= 0) {
            match.selectedItem = item;
            match.chosenFile = match.files[static_cast<std::size_t>(item)];
        }
    }
    return match;
}

void StoreRevisionsMatch(const RevisionsMatch& match, FirmwareInfo& job)
{
    job.m_version = match.version;
    job.m_selectedFile = match.chosenFile;
    const std::size_t pairs = std::min(match.files.size(), match.languages.size());
    for (std::size_t i = 0; i < pairs; ++i)
        job.AddLanguageFile(match.files[i], match.languages[i]);
    job.m_clearedMark = match.ready;
}
