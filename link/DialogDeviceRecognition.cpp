#include "link/DialogDeviceRecognition.h"

#include "shell/DialogMessageBox.h"
#include "shell/MainDialog.h"
#include "shell/ShellOpen.h"
#include "link/AddressGates.h"
#include "link/DeviceFinders.h"
#include "link/DfuEngineLibrary.h"
#include "link/HidDeviceSeam.h"
#include "link/LinkBounds.h"
#include "link/MakerUsb.h"
#include "link/RecognitionOutcome.h"
#include "link/RecognitionRoads.h"
#include "link/UsbScan.h"
#include "res/resource.h"
#include "text/RecognitionTexts.h"
#include "text/SharedWords.h"

namespace {

// The camera's drive carries this file in its root.
const wchar_t kCameraMarkerFile[] = L"lensa.bin";

// Clears the busy flag however the roads end, before anything is shown.
class BusyWhileRecognising {
public:
    explicit BusyWhileRecognising(CMainDialog& main) : m_main(main) { m_main.m_busy = 1; }
    ~BusyWhileRecognising() { m_main.m_busy = 0; }
    BusyWhileRecognising(const BusyWhileRecognising&) = delete;
    BusyWhileRecognising& operator=(const BusyWhileRecognising&) = delete;

private:
    CMainDialog& m_main;
};

void CopyToState(const CMainDialog& main, RecognitionState& state)
{
    state.m_modelCode = main.m_modelCode;
    state.m_recognized = main.m_recognized;
    state.m_usbStatus = main.m_usbStatus;
    state.m_device = main.m_device;
    state.m_settingsPageCount = main.m_settingsPageCount;
    for (int i = 0; i < kSettingsPageSlots; ++i)
        state.m_settingsPages[i] = main.m_settingsPages[i];
    state.m_settingsPageIndex = main.m_settingsPageIndex;
}

void CopyFromState(const RecognitionState& state, CMainDialog& main)
{
    main.m_modelCode = state.m_modelCode;
    main.m_recognized = state.m_recognized;
    main.m_usbStatus = state.m_usbStatus;
    main.m_device = state.m_device;
    main.m_settingsPageCount = state.m_settingsPageCount;
    for (int i = 0; i < kSettingsPageSlots; ++i)
        main.m_settingsPages[i] = state.m_settingsPages[i];
    main.m_settingsPageIndex = state.m_settingsPageIndex;
}

RecognitionPlatform WindowsPlatform(CMainDialog& main)
{
    RecognitionPlatform platform;
    platform.primary = &main.m_hidPrimary;
    platform.secondary = &main.m_hidSecondary;
    platform.openDfuLibrary = [] { return std::unique_ptr<DfuLibraryAccess>(new DfuEngineLibrary()); };
    platform.scanUsb = [] {
        DfuScan scan;
        scan.count = FindUsbDfuDevices(scan.productIds, 2);
        return scan;
    };
    platform.cameraDrive = [] { return FindRemovableDriveWithFile(kCameraMarkerFile, nullptr); };
    return platform;
}

// While recognition waits on the unit the main window keeps painting and
// answers other threads' messages (PeekMessage delivers those on its own);
// clicks and keys stay queued until the recognition has ended.
void LetPaintThrough()
{
    MSG msg;
    for (int i = 0; i < kHidWaitPumpPaintMessages && ::PeekMessageW(&msg, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE); ++i)
        ::DispatchMessageW(&msg);
}

// A record kept for a later try: only failures that a NEXT may cure.
bool KeepsTheRecord(int result)
{
    return result == kRecognitionNothingFound || result == kRecognitionTooManyUsbDevices ||
           result == kRecognitionTooManyLibraryDevices || result == kRecognitionModeMismatch;
}

} // namespace

BEGIN_MESSAGE_MAP(CDialogDeviceRecognition, CWaitCursorPage)
ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

CDialogDeviceRecognition::CDialogDeviceRecognition(CWnd* parent) : CWaitCursorPage(IDD_DEVICE_RECOGNITION, parent) {}

CDialogDeviceRecognition::~CDialogDeviceRecognition() = default;

void CDialogDeviceRecognition::DoDataExchange(CDataExchange* dx)
{
    CWaitCursorPage::DoDataExchange(dx);
    DDX_Control(dx, IDC_RECOGNITION_TEXT, m_instructionText);
}

BOOL CDialogDeviceRecognition::OnInitDialog()
{
    CWaitCursorPage::OnInitDialog();
    LOGFONTW font{};
    HFONT dialogFont = reinterpret_cast<HFONT>(SendMessage(WM_GETFONT));
    if (dialogFont != nullptr && ::GetObjectW(dialogFont, sizeof font, &font) != 0) {
        font.lfWeight = FW_BOLD;
        font.lfHeight += 1;
        if (m_boldFont.CreateFontIndirect(&font))
            m_instructionText.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(m_boldFont.m_hObject), TRUE);
    }
    return TRUE;
}

int CDialogDeviceRecognition::UiLanguage() const
{
    const CMainDialog* main = GetMainDialog(this);
    return main != nullptr ? main->m_uiLanguage : 0;
}

void CDialogDeviceRecognition::EnterPage(int mode)
{
    m_entryMode = mode;
    m_pendingRecord.reset();
    if (CMainDialog* main = GetMainDialog(this))
        main->m_progress = -1;
    RefreshPage();
}

void CDialogDeviceRecognition::RefreshPage()
{
    if (m_instructionText.m_hWnd)
        m_instructionText.SetWindowText(GetTextConnectInstructions());
}

HBRUSH CDialogDeviceRecognition::OnCtlColor(CDC* dc, CWnd* wnd, UINT ctlColor)
{
    HBRUSH brush = CWaitCursorPage::OnCtlColor(dc, wnd, ctlColor);
    CMainDialog* main = GetMainDialog(this);
    const bool instruction = wnd != nullptr && wnd->m_hWnd == m_instructionText.m_hWnd;
    if (main != nullptr && (instruction || ctlColor == CTLCOLOR_DLG)) {
        dc->SetBkMode(TRANSPARENT);
        return main->m_brushes[0];
    }
    return brush;
}

int CDialogDeviceRecognition::FindHidDfuDevice()
{
    CMainDialog* main = GetMainDialog(this);
    if (main == nullptr)
        return 0;
    DeviceConfig& device = main->m_device;
    return FindTwoChipDevice(&main->m_hidPrimary, &main->m_hidSecondary, device.m_firmwareVersion,
                             device.m_chipVersion1, device.m_chipVersion2);
}

int CDialogDeviceRecognition::FindHidDevice(int storeInMainWindow, int* modelCodeOut, HANDLE pair[2])
{
    if (storeInMainWindow) {
        CMainDialog* main = GetMainDialog(this);
        if (main == nullptr)
            return 0;
        const int found = FindHidPairDevice(&main->m_hidPrimary, &main->m_hidSecondary);
        if (found)
            main->m_modelCode = kHidPairModelCode;
        return found;
    }
    if (pair == nullptr)
        return 0;
    const int found = FindHidPairDevice(&pair[0], &pair[1]);
    if (found && modelCodeOut != nullptr)
        *modelCodeOut = kHidPairModelCode;
    return found;
}

int CDialogDeviceRecognition::IsAddressAboveThreshold(const CString& address)
{
    const CMainDialog* main = GetMainDialog(this);
    return main != nullptr ? ::IsAddressAboveThreshold(main->m_modelCode, address.str()) : 0;
}

int CDialogDeviceRecognition::IsAddressInRange(const CString& address)
{
    const CMainDialog* main = GetMainDialog(this);
    return main != nullptr ? ::IsAddressInRange(main->m_modelCode, address.str()) : 0;
}

int CDialogDeviceRecognition::IsAddressInEitherRange(const CString& address)
{
    const CMainDialog* main = GetMainDialog(this);
    return main != nullptr ? ::IsAddressInEitherRange(main->m_modelCode, address.str()) : 0;
}

int CDialogDeviceRecognition::QueryDeviceState()
{
    CMainDialog* main = GetMainDialog(this);
    return main != nullptr ? QueryHidDeviceState(&main->m_hidPrimary) : 0;
}

CString CDialogDeviceRecognition::GetTextPressNextStep(int step)
{
    return ::GetTextPressNextStep(step, UiLanguage()).c_str();
}

CString CDialogDeviceRecognition::GetTextConnectInstructions()
{
    return ::GetTextConnectInstructions(UiLanguage()).c_str();
}

CString CDialogDeviceRecognition::GetTextContactSupport()
{
    const CMainDialog* main = GetMainDialog(this);
    const std::wstring menu = main != nullptr ? std::wstring(main->GetTextDiagnosticLog()) : std::wstring();
    return ::GetTextContactSupport(menu, UiLanguage()).c_str();
}

CString CDialogDeviceRecognition::GetTextUnexpectedInterfaceCount(int obtained, int result)
{
    return ::GetTextUnexpectedInterfaceCount(obtained, result, std::wstring(GetTextContactSupport()), UiLanguage())
        .c_str();
}

CString CDialogDeviceRecognition::GetTextUsbInterfaceProblem()
{
    return ::GetTextUsbInterfaceProblem(std::wstring(GetTextContactSupport()), UiLanguage()).c_str();
}

CString CDialogDeviceRecognition::GetTextOtherDeviceRecognized()
{
    const CMainDialog* main = GetMainDialog(this);
    const std::wstring model = main != nullptr ? GetModelName(main->m_modelCode, 0) : std::wstring();
    return ::GetTextOtherDeviceRecognized(model, UiLanguage()).c_str();
}

int CDialogDeviceRecognition::RecognizeDevice(const DeviceConfig* record, int showMessages)
{
    CMainDialog* main = GetMainDialog(this);
    if (main == nullptr)
        return kRecognitionNothingFound;
    std::unique_ptr<DeviceConfig> pending = std::move(m_pendingRecord);
    if (record == nullptr)
        record = pending.get();

    main->ShowStatusText(main->BuildInProgressStatus(), 0);
    RecognitionState state;
    CopyToState(*main, state);
    int result = kRecognitionNothingFound;
    {
        BusyWhileRecognising busy(*main);
        main->RefreshView();
        RefreshPage();
        const ScopedHidWaitPump paint(LetPaintThrough);
        result = RunRecognitionRoads(record, state, WindowsPlatform(*main));
        CopyFromState(state, *main);
    }
    main->RefreshView();
    RefreshPage();

    const RecognitionOutcome plan = PlanRecognitionOutcome(result, m_nextPage, main->m_usbStatus, showMessages);
    ShowResultBox(static_cast<int>(plan.box), result);

    std::wstring statusTexts[kUiLanguageCount];
    auto composeStatus = [&] {
        for (int language = 0; language < kUiLanguageCount; ++language)
            statusTexts[language] =
                ComposeRecognitionStatus(plan.status, main->m_page, m_nextPage, main->m_usbStatus, result, language);
    };
    auto showStatus = [&] {
        if (plan.status == RecognitionStatus::Unchanged)
            return;
        for (int language = 0; language < kUiLanguageCount; ++language)
            main->SetStatusTextForLanguage(statusTexts[language].c_str(), language);
        main->ShowStatusText(main->GetStatusText(), plan.iconFlag);
    };
    const bool success = result == kRecognitionIdentified || result == kRecognitionIdentifiedDfuMode;
    if (!plan.statusAfterPage)
        composeStatus();
    if (!success)
        showStatus();
    switch (plan.pageAction) {
    case RecognitionPageAction::GoToPage: main->GoToPage(plan.page); break;
    case RecognitionPageAction::ShowPage:
        switch (plan.page) {
        case 3: main->ShowFirmwareUpdatePage(0); break;
        case 4: main->ShowFirmwareRestorePage(0); break;
        case 5: main->ShowDeviceSettingPage(0); break;
        case 6: main->ShowDeviceSettingSecondPage(0); break;
        case 7: main->ShowDeviceSettingSpeedDialPage(0); break;
        default: break;
        }
        break;
    case RecognitionPageAction::ShowSelectionPage: main->ShowDeviceSelectionPage(); break;
    case RecognitionPageAction::Stay: break;
    }
    if (plan.statusAfterPage)
        composeStatus();
    if (success)
        showStatus();

    if (record != nullptr && KeepsTheRecord(result) && main->m_page == 2)
        m_pendingRecord.reset(new DeviceConfig(*record));
    return result;
}

void CDialogDeviceRecognition::ShowResultBox(int box, int result)
{
    CMainDialog* main = GetMainDialog(this);
    if (main == nullptr || box == static_cast<int>(RecognitionBox::None))
        return;
    const int language = main->m_uiLanguage;
    const CString ok = GetTextOk(language).c_str();
    const CString sendEmail = GetTextSendEmail(language).c_str();
    CDialogMessageBox dialog(main);
    switch (static_cast<RecognitionBox>(box)) {
    case RecognitionBox::OtherDevice:
        dialog.SetContent(GetTextOtherDeviceRecognized(), 1, nullptr, &ok, CSize(440, 130));
        dialog.DoModal();
        return;
    case RecognitionBox::InterfaceCountObtained:
        dialog.SetContent(GetTextUnexpectedInterfaceCount(1, result), 1, &sendEmail, &ok, CSize(520, 180));
        break;
    case RecognitionBox::InterfaceCountFound:
        dialog.SetContent(GetTextUnexpectedInterfaceCount(0, result), 1, &sendEmail, &ok, CSize(520, 180));
        break;
    case RecognitionBox::InterfaceProblem:
        dialog.SetContent(GetTextUsbInterfaceProblem(), 1, &sendEmail, &ok, CSize(520, 180));
        break;
    case RecognitionBox::None: return;
    }
    // "SEND Email" and Esc both end the box with IDCANCEL.
    if (dialog.DoModal() == IDCANCEL)
        ShellOpenUrl(std::wstring(L"mailto:") + kSupportEmailAddress);
}
