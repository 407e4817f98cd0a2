#pragma once
// Archived records of a model at a firmware version, and the restore page's list of them with
// the Basic category shown, for tables of cases.

#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

#include "firmware/ArchivedSettingsList.h"

using Names = std::vector<std::wstring>;

// "1.4", "2.0 rc3" (a release candidate) or "2.0 b12" (a numbered build).
inline DeviceConfig ArchiveOf(int modelCode, const std::string& version)
{
    static const std::regex form(R"((\d+)\.(\d+)(?: (rc|b)(\d+))?)");
    std::smatch m;
    DeviceConfig archive;
    archive.m_modelCode = modelCode;
    if (!std::regex_match(version, m, form)) {
        ADD_FAILURE() << "unreadable version " << version;
        return archive;
    }
    archive.m_firmwareVersion.major = std::stoi(m[1]);
    archive.m_firmwareVersion.minor = std::stoi(m[2]);
    if (m[3].matched) {
        archive.m_firmwareVersion.kind = m[3] == "rc" ? 1 : 2;
        archive.m_firmwareVersion.build = std::stoi(m[4]);
    }
    return archive;
}

inline ArchivedListCategories Basic()
{
    ArchivedListCategories categories;
    categories.count = 1;
    categories.pages[0] = kSettingsCategoryBasic;
    return categories;
}

inline ArchivedSettingsRows RowsOf(const DeviceConfig& archive, int language = 0)
{
    return ChooseArchivedSettingsRows(archive.m_modelCode, archive, language, Basic());
}

inline Names NamesOf(const ArchivedSettingsRows& rows)
{
    Names names;
    for (const ArchivedSettingsRow& row : rows.rows)
        names.push_back(row.name);
    return names;
}
