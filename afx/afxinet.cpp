#include "afx/afxinet.h"

#include <cwchar>
#include <string>

void AfxThrowInternetException(DWORD_PTR context, DWORD error)
{
    if (error == 0)
        error = GetLastError();
    throw new CInternetException(error, context);
}

CStdioFile::~CStdioFile()
{
    Close();
}

UINT CStdioFile::Read(void* buffer, UINT count)
{
    if (m_hFile == nullptr)
        AfxThrowInternetException(m_dwContext, ERROR_INVALID_HANDLE);
    DWORD read = 0;
    if (!InternetReadFile(m_hFile, buffer, count, &read))
        AfxThrowInternetException(m_dwContext);
    return read;
}

void CStdioFile::Close()
{
    if (m_hFile != nullptr) {
        InternetCloseHandle(m_hFile);
        m_hFile = nullptr;
    }
}

BOOL CHttpFile::QueryInfoStatusCode(DWORD& statusCode) const
{
    DWORD size = sizeof statusCode;
    DWORD index = 0;
    return HttpQueryInfoW(m_hFile, HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &statusCode, &size, &index);
}

namespace {

std::wstring ProgramName()
{
    wchar_t path[MAX_PATH] = {};
    const DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring name(path, n < MAX_PATH ? n : 0);
    const std::size_t slash = name.find_last_of(L"\\/");
    if (slash != std::wstring::npos)
        name.erase(0, slash + 1);
    const std::size_t dot = name.find_last_of(L'.');
    if (dot != std::wstring::npos)
        name.erase(dot);
    return name.empty() ? std::wstring(L"Updater") : name;
}

void SetTimeoutOptions(HINTERNET handle, DWORD ms)
{
    if (ms == 0)
        return;
    InternetSetOptionW(handle, INTERNET_OPTION_CONNECT_TIMEOUT, &ms, sizeof ms);
    InternetSetOptionW(handle, INTERNET_OPTION_SEND_TIMEOUT, &ms, sizeof ms);
    InternetSetOptionW(handle, INTERNET_OPTION_RECEIVE_TIMEOUT, &ms, sizeof ms);
}

} // namespace

CInternetSession::CInternetSession(LPCWSTR agent, DWORD_PTR context, DWORD accessType, LPCWSTR proxyName,
                                   LPCWSTR proxyBypass, DWORD flags)
    : m_dwContext(context)
{
    const std::wstring name = agent != nullptr ? std::wstring(agent) : ProgramName();
    m_hSession = InternetOpenW(name.c_str(), accessType, proxyName, proxyBypass, flags);
}

CInternetSession::~CInternetSession()
{
    Close();
}

void CInternetSession::Close()
{
    if (m_hSession != nullptr) {
        InternetCloseHandle(m_hSession);
        m_hSession = nullptr;
    }
}

CStdioFile* CInternetSession::OpenURL(LPCWSTR url, DWORD_PTR context, DWORD flags, LPCWSTR headers, DWORD headersLength)
{
    if (m_hSession == nullptr)
        AfxThrowInternetException(context, ERROR_INTERNET_INCORRECT_HANDLE_STATE);
    SetTimeoutOptions(m_hSession, m_timeoutMs);
    HINTERNET file = InternetOpenUrlW(m_hSession, url, headers, headers != nullptr ? headersLength : 0, flags, context);
    if (file == nullptr)
        AfxThrowInternetException(context);
    // WinINet applies a receive time-out only when it is set on the request itself.
    SetTimeoutOptions(file, m_timeoutMs);
    const bool http = url != nullptr && (_wcsnicmp(url, L"http://", 7) == 0 || _wcsnicmp(url, L"https://", 8) == 0);
    if (http)
        return new CHttpFile(file, context);
    return new CStdioFile(file, context);
}
