#pragma once
// The 13 per-language status texts of a firmware job, and the one way a job
// ends in failure. Every writer fills all 13 at once, each from the text
// functions called with that language, so a change of UI language shows the
// same state in the new language.

#include <array>
#include <functional>
#include <initializer_list>
#include <string>

#include "core/UiLanguageRow.h"

class FirmwareInfo;

using LanguageTexts = std::array<std::wstring, kUiLanguageCount>;
// A text in a given UI language.
using TextInLanguage = std::function<std::wstring(int language)>;

// For each language i: the pattern with its placeholders filled by the parts
// in language i (FillPlaceholders: nothing inserted is read as a pattern).
LanguageTexts FillLanguageTexts(const std::wstring& pattern, std::initializer_list<TextInLanguage> parts);

// "%s. %s" of the page's failure sentence and the reason, then the error-site
// tag ("[9][2]"), if any.
LanguageTexts FailureTexts(int page, int usbStatus, const TextInLanguage& reason, const std::wstring& tag = L"");

// "%s %s" of the page's activity sentence and a second text.
LanguageTexts ActivityTexts(int page, int usbStatus, const TextInLanguage& second);

// The failure of the image checks: "Firmware corrupted".
LanguageTexts FirmwareCorruptedTexts(int page, int usbStatus, const std::wstring& tag = L"");

// Replaces all 13 status texts of the job in one call.
void WriteJobStatusTexts(FirmwareInfo& job, const LanguageTexts& texts);

// Every failure end of an update or restore: the texts, the job finished, and
// its failure flag 1 (2, the unit on USB is not the recognised one, stays 2),
// so a failure never shows the success icon. The finish is written last: a
// reader that sees it sees the rest.
void EndJobWithFailure(FirmwareInfo& job, const LanguageTexts& texts);

// Where a job is declared successful (the unit is back, or the wait at 98 %
// ran out): finished, no failure, 100 %, and the success mark set.
void EndJobWithSuccess(FirmwareInfo& job);
