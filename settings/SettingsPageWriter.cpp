#include "settings/SettingsPageWriter.h"

#include "shell/DialogMessageBox.h"
#include "shell/MainDialog.h"
#include "link/DfuEngineLibrary.h"
#include "link/UsbScan.h"
#include "settings/SettingsWriteRun.h"
#include "text/SharedWords.h"
#include "text/StatusTexts.h"
#include "core/UiLanguageRow.h"

namespace {

const CSize kFailureBoxSize(400, 165);

// Whatever way the write ends, the main window is not left busy.
class BusyScope {
public:
    explicit BusyScope(CMainDialog* main) : m_main(main) { m_main->m_busy = 1; }
    ~BusyScope() { Release(); }
    void Release()
    {
        if (m_main)
            m_main->m_busy = 0;
        m_main = nullptr;
    }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    CMainDialog* m_main;
};

SettingsWriteTarget TargetOf(CMainDialog* main)
{
    SettingsWriteTarget target;
    target.modelCode = main->m_modelCode;
    target.usbStatus = main->m_usbStatus;
    target.live = &main->m_device;
    target.primary = &main->m_hidPrimary;
    target.secondary = &main->m_hidSecondary;
    target.store.scanUsb = [] {
        DfuScan scan;
        scan.count = FindUsbDfuDevices(scan.productIds, 2);
        return scan;
    };
    target.store.openLibrary = [] { return std::unique_ptr<DfuLibraryAccess>(new DfuEngineLibrary()); };
    return target;
}

// Runs while the main window is still busy: the page's CANCEL must not wait
// for the busy flag.
void Fail(CSettingsPageDialog& page, CMainDialog* main, BusyScope& busy, int cancelId)
{
    // The page's own CANCEL: the working record goes back to the unit's.
    page.SendMessage(WM_COMMAND, MAKEWPARAM(cancelId, BN_CLICKED),
                     reinterpret_cast<LPARAM>(::GetDlgItem(page.m_hWnd, cancelId)));
    for (int language = 0; language < kUiLanguageCount; ++language) {
        CString text;
        text.Format(L"%s. %s", GetTextFailure(main->m_page, main->m_usbStatus, language).c_str(),
                    GetTextNotRecognizedDevice(language).c_str());
        main->SetStatusTextForLanguage(text, language);
    }
    main->ShowStatusText(main->GetStatusText(), 1);
    busy.Release();
    main->RefreshView();
    page.RefreshPage();

    CDialogMessageBox box(main);
    const CString ok = GetTextOk(main->m_uiLanguage).c_str();
    box.SetContent(GetTextDeviceNotConnected(main->m_uiLanguage).c_str(), 1, nullptr, &ok, kFailureBoxSize);
    box.DoModal();
    // Filling the page after CANCEL may have tidied the working record (FM
    // presets outside the region); the way to page 1 asks nothing all the same.
    page.m_config.CopyFrom(main->m_device, 1);
    main->ShowDeviceSelectionPage();
}

} // namespace

void RunSettingsPageWrite(CSettingsPageDialog& page, SettingsWriterPage kind, int cancelId)
{
    ++page.m_writeCalls;
    page.m_writeNextPage = page.m_nextPage;
    CMainDialog* main = GetMainDialog(&page);
    if (!main)
        return;
    main->ShowStatusText(main->BuildInProgressStatus(), 0);
    BusyScope busy(main);
    main->RefreshView();
    page.RefreshPage();
    if (!WriteSettings(kind, page.m_config, TargetOf(main))) {
        Fail(page, main, busy, cancelId);
        return;
    }
    busy.Release();
    main->RefreshView();
    page.RefreshPage();
    main->m_device.CopyFrom(page.m_config, 0);
    const int next = page.m_nextPage == 0 ? main->m_page : page.m_nextPage + 100;
    main->ShowDeviceRecognitionPage(0, nullptr, next);
}
