#include "link/RecognitionOutcome.h"

#include "link/MakerUsb.h"
#include "text/RecognitionTexts.h"
#include "text/SharedWords.h"
#include "text/StatusTexts.h"
#include "text/TextFormat.h"

RecognitionOutcome PlanRecognitionOutcome(int result, int nextPage, int usbStatus, int showMessages)
{
    RecognitionOutcome plan;
    const bool dfuMode = usbStatus >= kDfuModeProductIdOffset;
    switch (result) {
    case 0:
    case 1:
        if (nextPage > 100) {
            plan.pageAction = RecognitionPageAction::GoToPage;
            plan.page = nextPage - 100;
            plan.statusAfterPage = true;
            if (dfuMode) {
                plan.status = RecognitionStatus::SuccessOnPage;
                plan.iconFlag = 1;
            }
        } else if (nextPage >= 3 && nextPage <= 7) {
            plan.pageAction = RecognitionPageAction::ShowPage;
            plan.page = nextPage;
            plan.status = RecognitionStatus::SuccessOfNextPage;
        } else {
            plan.pageAction = RecognitionPageAction::ShowPage;
            plan.page = 3;
            plan.status = result == 0 ? RecognitionStatus::SuccessOnPage : RecognitionStatus::ManagementMode;
            plan.iconFlag = dfuMode ? 1 : 0;
        }
        break;
    case 2:
    case 10:
        plan.status = result == 2 ? RecognitionStatus::CannotOpenUsb : RecognitionStatus::CheckSdCard;
        plan.iconFlag = 1;
        break;
    case 6:
    case 8:
        if (!showMessages)
            break;
        plan.box = result == 6 ? RecognitionBox::InterfaceCountObtained : RecognitionBox::InterfaceCountFound;
        plan.status = result == 6 ? RecognitionStatus::InterfaceCount : RecognitionStatus::LibraryInterfaceCount;
        plan.iconFlag = 1;
        plan.pageAction = RecognitionPageAction::ShowSelectionPage;
        break;
    case 9:
        plan.box = RecognitionBox::InterfaceProblem;
        plan.status = RecognitionStatus::OddInterfaces;
        plan.iconFlag = 1;
        plan.pageAction = RecognitionPageAction::ShowSelectionPage;
        break;
    case 3:
        plan.box = RecognitionBox::OtherDevice;
        plan.pageAction = RecognitionPageAction::ShowSelectionPage;
        break;
    default: break;
    }
    return plan;
}

std::wstring ComposeRecognitionStatus(RecognitionStatus status, int page, int nextPage, int usbStatus, int result,
                                      int language)
{
    const std::wstring failure = GetTextFailure(page, usbStatus, language);
    switch (status) {
    case RecognitionStatus::Unchanged: return std::wstring();
    case RecognitionStatus::SuccessOnPage:
        // After a switch to another page the ready text reads the unit's
        // mode; on the default road it is the plain ready text of the update.
        return FillPlaceholders(GetTextSuccess(page, usbStatus, language),
                                {GetTextReady(page + 1, nextPage > 100 ? usbStatus : 0, language)});
    case RecognitionStatus::SuccessOfNextPage: return GetTextSuccess(nextPage, usbStatus, language);
    case RecognitionStatus::ManagementMode:
        return FillPlaceholders(L"%s. %s",
                                {GetTextFirmwareManagementMode(language), GetTextReady(page + 1, 0, language)});
    case RecognitionStatus::CannotOpenUsb:
        return FillPlaceholders(L"%s. %s", {failure, GetTextCannotOpenUsb(language)});
    case RecognitionStatus::CheckSdCard: return FillPlaceholders(L"%s. %s", {failure, GetTextCheckSdCard(language)});
    case RecognitionStatus::InterfaceCount:
        return FillPlaceholders(L"%s. %s", {failure, GetTextUsbInterfaceCount(result, language)});
    case RecognitionStatus::LibraryInterfaceCount:
        return FillPlaceholders(L"%s. %s [2]", {failure, GetTextUsbInterfaceCount(result, language)});
    case RecognitionStatus::OddInterfaces:
        return FillPlaceholders(L"%s. %s", {failure, GetTextOddUsbInterfaces(language)});
    }
    return std::wstring();
}
