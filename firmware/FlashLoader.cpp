#include "firmware/FlashLoader.h"

#include <cwchar>

std::wstring FlashLoaderCommandLine(const std::wstring& programFolder, int comPort)
{
    wchar_t options[128];
    std::swprintf(options, sizeof options / sizeof options[0],
                  L" -c --pn %d --br 115200 -i STM32F1_Med-density_128K -e --all -d --a 8000000 --fn ", comPort);
    return L"\"" + programFolder + kFlashLoaderProgram + L"\"" + options + L"\"" + programFolder +
           kDualChipControllerWorkFile + L"\"";
}

std::wstring FlashLoaderStartLine(bool started)
{
    return started ? L"[SUCCESS]\r\n" : L"[FAIL]\r\n";
}

bool FlashLoaderSucceeded(const std::wstring& log)
{
    return log.find(L"DOWNLOADING") != std::wstring::npos;
}
