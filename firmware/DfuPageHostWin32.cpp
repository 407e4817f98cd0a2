#include "firmware/DfuPageHostWin32.h"

#include <memory>

#include "shell/DialogMessageBox.h"
#include "shell/MainDialog.h"
#include "firmware/FirmwareJob.h"
#include "firmware/FirmwareWait.h"
#include "text/MainWindowTexts.h"

namespace {

constexpr int kPopupWidth = 400;
constexpr int kPopupHeight = 110;
constexpr int kPopupIconKind = 1;

} // namespace

DfuPageHost::DfuPageHost(CMainDialog* main, HWND window, std::function<FirmwareJob&()> job,
                         std::function<void()> armWaitTimer)
    : m_main(main), m_window(window), m_job(std::move(job)), m_armWaitTimer(std::move(armWaitTimer))
{}

FirmwareJob& DfuPageHost::Job()
{
    return m_job();
}

int DfuPageHost::Page()
{
    return m_main ? m_main->m_page : 0;
}

int DfuPageHost::UsbStatus()
{
    return m_main ? m_main->m_usbStatus : 0;
}

int DfuPageHost::ModelCode()
{
    return m_main ? m_main->m_modelCode : 0;
}

void DfuPageHost::OpenPopup(DfuPopup popup)
{
    if (!m_main)
        return;
    const std::wstring text = popup == DfuPopup::kHoldButton
                                  ? GetTextHoldButtonPrompt(m_main->m_modelCode, m_main->m_uiLanguage)
                                  : GetTextHoldTwoButtonsPrompt(m_main->m_modelCode, m_main->m_uiLanguage);
    auto box = std::make_unique<CDialogMessageBox>(m_main);
    box->SetContent(CString(text.c_str()), kPopupIconKind, nullptr, nullptr, CSize(kPopupWidth, kPopupHeight));
    if (!box->CreatePopup())
        return;
    Job().SetPopup(std::move(box));
}

void DfuPageHost::ArmWaitTimer()
{
    if (m_armWaitTimer)
        m_armWaitTimer();
}

void DfuPageHost::PostCallbackMessage()
{
    ::PostMessageW(m_window, kDfuCallbackMessage, 0, 0);
}

void DfuPageHost::Wait(int milliseconds)
{
    WaitPumpingMessages(milliseconds);
}

std::uint64_t DfuPageHost::NowMs()
{
    return ::GetTickCount64();
}

void WaitPumpingMessages(int milliseconds)
{
    const ULONGLONG end = ::GetTickCount64() + static_cast<ULONGLONG>(ScaledFirmwareWaitMs(milliseconds));
    for (;;) {
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                // The loop that owns the thread must still see it.
                ::PostQuitMessage(static_cast<int>(msg.wParam));
                return;
            }
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
        const ULONGLONG now = ::GetTickCount64();
        if (now >= end)
            return;
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(end - now), QS_ALLINPUT);
    }
}
