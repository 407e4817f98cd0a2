#pragma once
// Texts of the recognition page and of what a recognition reports: how to
// connect the headset, and the messages for an unexpected USB interface
// count, an interface problem and a wrong device. Each takes the UI language
// index and gives English for any index outside 1..12. Every text is
// composed in one pass: what is put in (a button word, a model name, the
// support request) is never read as a pattern again.

#include <string>

// The address the support requests name and the mail link opens.
extern const wchar_t kSupportEmailAddress[];

// "%d. Press the [NEXT >] button." with the language's NEXT word, CR LF.
std::wstring GetTextPressNextStep(int step, int language);
// The page's three steps, the last one pressing NEXT.
std::wstring GetTextConnectInstructions(int language);

// "less" for the result codes 5 and 7, "more" for every other code.
std::wstring GetTextUsbInterfaceCount(int result, int language);
std::wstring GetTextOddUsbInterfaces(int language);

// The request to mail the diagnostic log to the support address;
// diagnosticLogMenu is the context menu's name of the log in this language.
std::wstring GetTextContactSupport(const std::wstring& diagnosticLogMenu, int language);
// obtained non-zero: "obtained", else "found"; supportRequest follows the
// line break.
std::wstring GetTextUnexpectedInterfaceCount(int obtained, int result, const std::wstring& supportRequest,
                                             int language);
std::wstring GetTextUsbInterfaceProblem(const std::wstring& supportRequest, int language);
// Names the model that was expected.
std::wstring GetTextOtherDeviceRecognized(const std::wstring& modelName, int language);
