#include "firmware/JobTexts.h"

#include "device/FirmwareInfo.h"
#include "text/FirmwareTexts.h"
#include "text/StatusTexts.h"
#include "text/TextFormat.h"

namespace {

constexpr int kUnitNotRecognised = 2;

} // namespace

LanguageTexts FillLanguageTexts(const std::wstring& pattern, std::initializer_list<TextInLanguage> parts)
{
    LanguageTexts texts;
    for (int language = 0; language < kUiLanguageCount; ++language) {
        // No job text joins more than four parts.
        std::wstring values[4];
        int count = 0;
        for (const TextInLanguage& part : parts) {
            if (count < 4)
                values[count++] = part ? part(language) : std::wstring();
        }
        texts[language] = FillPlaceholders(pattern, {values[0], values[1], values[2], values[3]});
    }
    return texts;
}

LanguageTexts FailureTexts(int page, int usbStatus, const TextInLanguage& reason, const std::wstring& tag)
{
    const TextInLanguage failure = [page, usbStatus](int language) {
        return GetTextFailure(page, usbStatus, language);
    };
    return FillLanguageTexts(L"%s. %s" + tag, {failure, reason});
}

LanguageTexts ActivityTexts(int page, int usbStatus, const TextInLanguage& second)
{
    const TextInLanguage activity = [page, usbStatus](int language) {
        return GetTextInProgress(page, usbStatus, language);
    };
    return FillLanguageTexts(L"%s %s", {activity, second});
}

LanguageTexts FirmwareCorruptedTexts(int page, int usbStatus, const std::wstring& tag)
{
    return FailureTexts(page, usbStatus, GetTextFirmwareCorrupted, tag);
}

void WriteJobStatusTexts(FirmwareInfo& job, const LanguageTexts& texts)
{
    job.ReplaceStatusTexts(texts);
}

void EndJobWithFailure(FirmwareInfo& job, const LanguageTexts& texts)
{
    WriteJobStatusTexts(job, texts);
    if (job.m_failed != kUnitNotRecognised)
        job.m_failed = 1;
    job.m_succeeded = 0;
    job.m_finished = 1;
}

void EndJobWithSuccess(FirmwareInfo& job)
{
    job.m_failed = 0;
    job.m_progress = 100;
    job.m_succeeded = 1;
    job.m_finished = 1;
}
