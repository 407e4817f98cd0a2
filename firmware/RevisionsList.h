#pragma once
// The server's list of backup firmware ("Revisions"): which images of exactly
// the archived firmware version the restore page can offer, and in which
// voice-prompt languages.

#include <string>
#include <vector>

#include "device/DeviceConfig.h"
#include "device/FirmwareInfo.h"

struct RevisionsQuery {
    std::wstring modelKey;                 // the target model's file-name form; empty matches nothing
    int modelCode = 0;                     // 0x3020 compares four-part versions
    const DeviceConfig* archive = nullptr; // the archived firmware version
    int uiLanguage = 0;
    std::wstring firmwareLanguage; // the stored voice-prompt language (English name)
    int applyToFirmwareLanguage = 0;
};

struct RevisionsMatch {
    int ready = 0;        // a backup of the archived version was found
    ImageVersion version; // of the last line of the target model that was taken
    std::wstring chosenFile;
    // Voice-prompt variants of the matching version: server file and English language name.
    std::vector<std::wstring> files;
    std::vector<std::wstring> languages;
    int selectedItem = -1; // -1 without variants
};

// Three-field lines (MODEL:VERSION:FILE) and runs of four-field variants
// (MODEL:VERSION:LANGUAGE:FILE); reading stops at the first line after a
// matched variant that is not a further matched variant. A line whose file
// name is not a plain file name is no entry. Preselection, weakest first: the
// first variant, the stored voice-prompt language, the UI language when the
// apply flag is set.
RevisionsMatch MatchRevisionsList(const std::wstring& text, const RevisionsQuery& query);

// Puts a match into the restore page's job record (emptied by Reset(4)):
// version, chosen file, the language pairs and the ready flag.
void StoreRevisionsMatch(const RevisionsMatch& match, FirmwareInfo& job);
