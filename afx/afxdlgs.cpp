#include "afx/afxdlgs.h"

#include "afx/afxwin.h"

#include <cwchar>
#include <vector>

namespace {

// The text inside the last parentheses of a description, or "*.*".
std::wstring PatternOf(const std::wstring& description)
{
    const std::size_t open = description.rfind(L'(');
    const std::size_t close = description.rfind(L')');
    if (open == std::wstring::npos || close == std::wstring::npos || close <= open + 1)
        return L"*.*";
    return description.substr(open + 1, close - open - 1);
}

} // namespace

std::wstring CFileDialog::SystemFilter(const wchar_t* filter)
{
    if (!filter || !*filter)
        return std::wstring();
    std::vector<std::wstring> parts;
    std::wstring part;
    for (const wchar_t* c = filter; *c; ++c) {
        if (*c == L'|') {
            parts.push_back(part);
            part.clear();
        } else {
            part += *c;
        }
    }
    if (!part.empty())
        parts.push_back(part);
    std::wstring out;
    for (std::size_t i = 0; i < parts.size(); i += 2) {
        if (parts[i].empty())
            break; // "||" ends the list
        const std::wstring pattern = i + 1 < parts.size() && !parts[i + 1].empty() ? parts[i + 1] : PatternOf(parts[i]);
        out += parts[i];
        out += L'\0';
        out += pattern;
        out += L'\0';
    }
    out += L'\0';
    return out;
}

CFileDialog::CFileDialog(BOOL openFileDialog, const wchar_t* defaultExtension, const wchar_t* fileName, DWORD flags,
                         const wchar_t* filter, CWnd* parent)
    : m_ofn(), m_openFileDialog(openFileDialog), m_defaultExtension(defaultExtension ? defaultExtension : L""),
      m_filter(SystemFilter(filter))
{
    if (fileName)
        wcsncpy(m_fileName, fileName, sizeof(m_fileName) / sizeof(m_fileName[0]) - 1);
    m_ofn.lStructSize = sizeof(m_ofn);
    m_ofn.hwndOwner = parent ? parent->m_hWnd : nullptr;
    m_ofn.lpstrFilter = m_filter.empty() ? nullptr : m_filter.c_str();
    m_ofn.nFilterIndex = 1;
    m_ofn.lpstrFile = m_fileName;
    m_ofn.nMaxFile = sizeof(m_fileName) / sizeof(m_fileName[0]);
    m_ofn.lpstrDefExt = m_defaultExtension.empty() ? nullptr : m_defaultExtension.c_str();
    m_ofn.Flags = flags | OFN_EXPLORER | OFN_ENABLESIZING;
}

INT_PTR CFileDialog::DoModal()
{
    const BOOL chosen = m_openFileDialog ? GetOpenFileNameW(&m_ofn) : GetSaveFileNameW(&m_ofn);
    return chosen ? IDOK : IDCANCEL;
}
