#include "afx/afxinet.h"

#include <cwchar>
#include <string>
#include <vector>

void AfxThrowInternetException(DWORD_PTR context, DWORD error)
{
    if (error == 0)
        error = GetLastError();
    throw new CInternetException(error, context);
}

void CInternetHandles::Abort()
{
    std::lock_guard<std::mutex> lock(m_lock);
    m_aborted = true;
    for (auto handle = m_kept.rbegin(); handle != m_kept.rend(); ++handle)
        InternetCloseHandle(*handle);
    m_kept.clear();
}

bool CInternetHandles::Aborted() const
{
    std::lock_guard<std::mutex> lock(m_lock);
    return m_aborted;
}

bool CInternetHandles::Keep(HINTERNET handle)
{
    if (handle == nullptr)
        return false;
    std::lock_guard<std::mutex> lock(m_lock);
    if (m_aborted) {
        InternetCloseHandle(handle);
        return false;
    }
    m_kept.push_back(handle);
    return true;
}

void CInternetHandles::Close(HINTERNET handle)
{
    std::lock_guard<std::mutex> lock(m_lock);
    for (auto kept = m_kept.begin(); kept != m_kept.end(); ++kept) {
        if (*kept == handle) {
            InternetCloseHandle(handle);
            m_kept.erase(kept);
            return;
        }
    }
}

HINTERNET CInternetHandles::Use(HINTERNET handle) const
{
    std::lock_guard<std::mutex> lock(m_lock);
    for (HINTERNET kept : m_kept) {
        if (kept == handle)
            return handle;
    }
    return nullptr;
}

CStdioFile::~CStdioFile()
{
    CStdioFile::Close();
}

UINT CStdioFile::Read(void* buffer, UINT count)
{
    const HINTERNET file = m_hFile != nullptr ? m_handles->Use(m_hFile) : nullptr;
    if (file == nullptr)
        AfxThrowInternetException(m_dwContext, ERROR_INVALID_HANDLE);
    if (count == 0)
        return 0;
    // InternetReadFile alone waits until the whole buffer is full, which a
    // server sending a byte now and then stretches without end; asking what
    // has arrived first returns as soon as anything is there.
    DWORD available = 0;
    if (!InternetQueryDataAvailable(file, &available, 0, 0))
        AfxThrowInternetException(m_dwContext);
    if (available == 0)
        return 0;
    DWORD read = 0;
    if (!InternetReadFile(file, buffer, available < count ? available : count, &read))
        AfxThrowInternetException(m_dwContext);
    return read;
}

void CStdioFile::Close()
{
    if (m_hFile != nullptr) {
        m_handles->Close(m_hFile);
        m_hFile = nullptr;
    }
}

CHttpFile::~CHttpFile()
{
    CHttpFile::Close();
}

void CHttpFile::Close()
{
    CStdioFile::Close();
    if (m_hConnection != nullptr) {
        m_handles->Close(m_hConnection);
        m_hConnection = nullptr;
    }
}

BOOL CHttpFile::QueryInfoStatusCode(DWORD& statusCode) const
{
    const HINTERNET request = m_handles->Use(m_hFile);
    if (request == nullptr)
        return FALSE;
    DWORD size = sizeof statusCode;
    DWORD index = 0;
    return HttpQueryInfoW(request, HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &statusCode, &size, &index);
}

BOOL CHttpFile::QueryInfo(DWORD infoLevel, CString& value) const
{
    const HINTERNET request = m_handles->Use(m_hFile);
    if (request == nullptr)
        return FALSE;
    DWORD size = 0;
    DWORD index = 0;
    HttpQueryInfoW(request, infoLevel, nullptr, &size, &index);
    if (GetLastError() != ERROR_INSUFFICIENT_BUFFER || size == 0)
        return FALSE;
    std::vector<wchar_t> text(size / sizeof(wchar_t) + 1, L'\0');
    index = 0;
    if (!HttpQueryInfoW(request, infoLevel, text.data(), &size, &index))
        return FALSE;
    value = CString(text.data());
    return TRUE;
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

void SetTimeoutOption(HINTERNET handle, DWORD option, DWORD ms)
{
    if (ms != 0)
        InternetSetOptionW(handle, option, &ms, sizeof ms);
}

void SetTimeoutOptions(HINTERNET handle, const CInternetTimeouts& timeouts)
{
    SetTimeoutOption(handle, INTERNET_OPTION_CONNECT_TIMEOUT, timeouts.connectMs);
    SetTimeoutOption(handle, INTERNET_OPTION_SEND_TIMEOUT, timeouts.sendMs);
    SetTimeoutOption(handle, INTERNET_OPTION_RECEIVE_TIMEOUT, timeouts.receiveMs);
    SetTimeoutOption(handle, INTERNET_OPTION_DATA_SEND_TIMEOUT, timeouts.sendMs);
    SetTimeoutOption(handle, INTERNET_OPTION_DATA_RECEIVE_TIMEOUT, timeouts.receiveMs);
}

// A handle kept in the session's set until it is handed on; closed through
// the set when an opening step fails, so an Abort meanwhile is no double close.
class KeptHandle {
public:
    KeptHandle(CInternetHandles& handles, HINTERNET handle, DWORD_PTR context) : m_handles(handles)
    {
        if (handle == nullptr)
            AfxThrowInternetException(context);
        if (!handles.Keep(handle))
            AfxThrowInternetException(context, ERROR_INTERNET_OPERATION_CANCELLED);
        m_handle = handle;
    }
    ~KeptHandle()
    {
        if (m_handle != nullptr)
            m_handles.Close(m_handle);
    }
    KeptHandle(const KeptHandle&) = delete;
    KeptHandle& operator=(const KeptHandle&) = delete;

    // The handle while no Abort came; the opening step stops otherwise.
    HINTERNET Use(DWORD_PTR context) const
    {
        const HINTERNET handle = m_handles.Use(m_handle);
        if (handle == nullptr)
            AfxThrowInternetException(context, ERROR_INTERNET_OPERATION_CANCELLED);
        return handle;
    }
    HINTERNET Release()
    {
        HINTERNET handle = m_handle;
        m_handle = nullptr;
        return handle;
    }

private:
    CInternetHandles& m_handles;
    HINTERNET m_handle = nullptr;
};

} // namespace

CInternetSession::CInternetSession(LPCWSTR agent, DWORD_PTR context, DWORD accessType, LPCWSTR proxyName,
                                   LPCWSTR proxyBypass, DWORD flags)
    : m_dwContext(context)
{
    const std::wstring name = agent != nullptr ? std::wstring(agent) : ProgramName();
    m_hSession = InternetOpenW(name.c_str(), accessType, proxyName, proxyBypass, flags);
    if (m_hSession != nullptr && !m_handles->Keep(m_hSession))
        m_hSession = nullptr;
}

CInternetSession::~CInternetSession()
{
    Close();
}

void CInternetSession::Close()
{
    if (m_hSession != nullptr) {
        m_handles->Close(m_hSession);
        m_hSession = nullptr;
    }
}

CStdioFile* CInternetSession::OpenHttpUrl(LPCWSTR url, DWORD_PTR context, DWORD flags, LPCWSTR headers,
                                          DWORD headersLength)
{
    std::vector<wchar_t> host(INTERNET_MAX_HOST_NAME_LENGTH + 1, L'\0');
    std::vector<wchar_t> user(INTERNET_MAX_USER_NAME_LENGTH + 1, L'\0');
    std::vector<wchar_t> password(INTERNET_MAX_PASSWORD_LENGTH + 1, L'\0');
    const std::size_t urlLength = std::wcslen(url);
    std::vector<wchar_t> path(urlLength + 1, L'\0');
    std::vector<wchar_t> extra(urlLength + 1, L'\0');
    URL_COMPONENTSW parts = {};
    parts.dwStructSize = sizeof parts;
    parts.lpszHostName = host.data();
    parts.dwHostNameLength = static_cast<DWORD>(host.size());
    parts.lpszUserName = user.data();
    parts.dwUserNameLength = static_cast<DWORD>(user.size());
    parts.lpszPassword = password.data();
    parts.dwPasswordLength = static_cast<DWORD>(password.size());
    parts.lpszUrlPath = path.data();
    parts.dwUrlPathLength = static_cast<DWORD>(path.size());
    parts.lpszExtraInfo = extra.data();
    parts.dwExtraInfoLength = static_cast<DWORD>(extra.size());
    if (!InternetCrackUrlW(url, 0, 0, &parts))
        AfxThrowInternetException(context);
    const bool secure = parts.nScheme == INTERNET_SCHEME_HTTPS;

    const HINTERNET session = m_handles->Use(m_hSession);
    if (session == nullptr)
        AfxThrowInternetException(context, ERROR_INTERNET_OPERATION_CANCELLED);
    KeptHandle connection(*m_handles,
                          InternetConnectW(session, host.data(), parts.nPort, user[0] != L'\0' ? user.data() : nullptr,
                                           password[0] != L'\0' ? password.data() : nullptr, INTERNET_SERVICE_HTTP, 0,
                                           context),
                          context);
    SetTimeoutOptions(connection.Use(context), m_timeouts);

    std::wstring object = path.data();
    if (object.empty())
        object = L"/";
    object += extra.data();
    const wchar_t* accept[] = {L"*/*", nullptr};
    DWORD requestFlags = flags & ~static_cast<DWORD>(INTERNET_FLAG_TRANSFER_BINARY | INTERNET_FLAG_TRANSFER_ASCII);
    if (secure)
        requestFlags |= INTERNET_FLAG_SECURE;
    // Asked as HTTP/1.0, a server sends the length or closes at the end, but
    // never chunks: WinINet reports a chunked body whose final chunk never
    // came as a clean end, so such a body could not be told from a whole one.
    KeptHandle request(*m_handles,
                       HttpOpenRequestW(connection.Use(context), L"GET", object.c_str(), L"HTTP/1.0", nullptr, accept,
                                        requestFlags, context),
                       context);
    // WinINet takes a time-out into account only when it is on the request
    // handle before the request goes out.
    SetTimeoutOptions(request.Use(context), m_timeouts);
    if (!HttpSendRequestW(request.Use(context), headers, headers != nullptr ? headersLength : 0, nullptr, 0))
        AfxThrowInternetException(context);
    // An Abort while the request was out ends here, whatever WinINet said.
    request.Use(context);
    HINTERNET connectionHandle = connection.Release();
    return new CHttpFile(request.Release(), connectionHandle, context, m_handles);
}

CStdioFile* CInternetSession::OpenURL(LPCWSTR url, DWORD_PTR context, DWORD flags, LPCWSTR headers, DWORD headersLength)
{
    const HINTERNET session = m_hSession != nullptr ? m_handles->Use(m_hSession) : nullptr;
    if (session == nullptr || url == nullptr)
        AfxThrowInternetException(context, ERROR_INTERNET_INCORRECT_HANDLE_STATE);
    SetTimeoutOptions(session, m_timeouts);
    const bool http = _wcsnicmp(url, L"http://", 7) == 0 || _wcsnicmp(url, L"https://", 8) == 0;
    if (http)
        return OpenHttpUrl(url, context, flags, headers, headersLength);
    KeptHandle file(*m_handles,
                    InternetOpenUrlW(session, url, headers, headers != nullptr ? headersLength : 0, flags, context),
                    context);
    return new CStdioFile(file.Release(), context, m_handles);
}
