#pragma once
// The common open and save dialogs with the framework's names (Windows only).

#include <windows.h>

#include <commdlg.h>

#include <string>

#include "afx/afxstr.h"

class CWnd;

class CFileDialog {
public:
    // filter: "description|pattern|description|pattern|..."; a description
    // with no pattern behind it takes the text in its last parentheses as its
    // pattern, so "Log Files(*.log)|" still lists the log files.
    CFileDialog(BOOL openFileDialog, const wchar_t* defaultExtension = nullptr, const wchar_t* fileName = nullptr,
                DWORD flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, const wchar_t* filter = nullptr,
                CWnd* parent = nullptr);
    CFileDialog(const CFileDialog&) = delete;
    CFileDialog& operator=(const CFileDialog&) = delete;
    virtual ~CFileDialog() = default;

    // IDOK with the chosen path, or IDCANCEL (also when the dialog fails).
    virtual INT_PTR DoModal();
    CString GetPathName() const { return CString(m_fileName); }

    // The system's parameters; callers set lpstrInitialDir and the like here.
    OPENFILENAMEW m_ofn;

    // The filter in the system's form: NUL-separated pairs ending in two NULs.
    static std::wstring SystemFilter(const wchar_t* filter);

private:
    BOOL m_openFileDialog;
    std::wstring m_defaultExtension;
    std::wstring m_filter;
    wchar_t m_fileName[4096] = {};
};
