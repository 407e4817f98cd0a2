#pragma once
// What follows a recognition, decided without a window: the status text of
// each language, the message box and the page switch for a result code. The
// recognition page carries the plan out.

#include <string>

enum class RecognitionStatus {
    Unchanged,
    SuccessOnPage,     // the success text of the page shown, filled with the next page's ready text
    SuccessOfNextPage, // the success text of the page asked for
    ManagementMode,    // DFU mode: the management-mode text and the next page's ready text
    CannotOpenUsb,
    CheckSdCard,
    InterfaceCount,        // result 6
    LibraryInterfaceCount, // result 8
    OddInterfaces,         // result 9
};

enum class RecognitionBox {
    None,
    InterfaceCountObtained, // result 6: "obtained"
    InterfaceCountFound,    // result 8: "found"
    InterfaceProblem,       // result 9
    OtherDevice,            // result 3
};

enum class RecognitionPageAction {
    Stay,
    GoToPage,          // the page switch of the frame (with its ready text)
    ShowPage,          // the page's own switch, without status
    ShowSelectionPage, // back to the start page
};

struct RecognitionOutcome {
    RecognitionBox box = RecognitionBox::None;
    RecognitionPageAction pageAction = RecognitionPageAction::Stay;
    int page = 0;
    // The status is composed after the page action when true (the page it
    // names is then the new one), else before it.
    bool statusAfterPage = false;
    RecognitionStatus status = RecognitionStatus::Unchanged;
    int iconFlag = 0; // 1: the warning colour
};

RecognitionOutcome PlanRecognitionOutcome(int result, int nextPage, int usbStatus, int showMessages);

// The status text of one language. page is the main window's page at the
// time the text is composed, nextPage the page asked for.
std::wstring ComposeRecognitionStatus(RecognitionStatus status, int page, int nextPage, int usbStatus, int result,
                                      int language);
