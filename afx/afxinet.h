#pragma once
// The framework's internet classes over WinINet, as far as the manager uses
// them: a session that opens a URL, the opened file's reads, HTTP status and
// headers, and the exception thrown (as a heap pointer, deleted by the catcher
// with Delete) when WinINet fails.

#include <windows.h>
#include <wininet.h>

#include <memory>
#include <mutex>
#include <utility>
#include <vector>

#include "afx/afxstr.h"

class CInternetException {
public:
    explicit CInternetException(DWORD error, DWORD_PTR context = 0) : m_dwError(error), m_dwContext(context) {}
    void Delete() { delete this; }

    DWORD m_dwError;
    DWORD_PTR m_dwContext;
};

[[noreturn]] void AfxThrowInternetException(DWORD_PTR context, DWORD error = 0);

// The handles a session and the files it opened hold, shared with every one of
// them, so that Abort on another thread closes each exactly once: WinINet ends
// a call that blocks on a handle when the handle is closed. After Abort the
// session and its files refuse every call, and nothing closes a handle twice
// (WinINet gives a closed handle's value out again).
class CInternetHandles {
public:
    CInternetHandles() = default;
    CInternetHandles(const CInternetHandles&) = delete;
    CInternetHandles& operator=(const CInternetHandles&) = delete;

    // Closes every handle still open, the newest first; any thread.
    void Abort();
    bool Aborted() const;

    // Takes a handle WinINet gave; false (the handle closed at once) after Abort.
    bool Keep(HINTERNET handle);
    // Closes a kept handle; nothing when it was closed already.
    void Close(HINTERNET handle);
    // The handle while it is kept and no Abort came; null otherwise.
    HINTERNET Use(HINTERNET handle) const;

private:
    mutable std::mutex m_lock;
    bool m_aborted = false;
    std::vector<HINTERNET> m_kept;
};

// A file opened by CInternetSession::OpenURL. Read waits until some data have
// arrived (or the receive time-out passed) and returns what is there, up to
// count bytes, rather than waiting to fill the whole buffer, so that a caller
// can watch a deadline between pieces. It throws CInternetException* on
// failure and returns 0 at the end of the data.
class CStdioFile {
public:
    CStdioFile(const CStdioFile&) = delete;
    CStdioFile& operator=(const CStdioFile&) = delete;
    virtual ~CStdioFile();

    virtual UINT Read(void* buffer, UINT count);
    virtual void Close();

protected:
    friend class CInternetSession;
    CStdioFile(HINTERNET handle, DWORD_PTR context, std::shared_ptr<CInternetHandles> handles)
        : m_hFile(handle), m_dwContext(context), m_handles(std::move(handles))
    {}

    HINTERNET m_hFile;
    DWORD_PTR m_dwContext;
    std::shared_ptr<CInternetHandles> m_handles;
};

class CHttpFile : public CStdioFile {
public:
    ~CHttpFile() override;
    void Close() override;

    // False when the response carries no status (not an HTTP response).
    BOOL QueryInfoStatusCode(DWORD& statusCode) const;
    // One response header (HTTP_QUERY_LOCATION, HTTP_QUERY_CONTENT_LENGTH,
    // ...); false when the response has none.
    BOOL QueryInfo(DWORD infoLevel, CString& value) const;

protected:
    friend class CInternetSession;
    CHttpFile(HINTERNET request, HINTERNET connection, DWORD_PTR context, std::shared_ptr<CInternetHandles> handles)
        : CStdioFile(request, context, std::move(handles)), m_hConnection(connection)
    {}

    HINTERNET m_hConnection;
};

// Time-outs of the connection, the sending of the request and each wait for
// response bytes, in milliseconds; 0 leaves WinINet's own.
struct CInternetTimeouts {
    DWORD connectMs = 0;
    DWORD sendMs = 0;
    DWORD receiveMs = 0;
};

class CInternetSession {
public:
    // A null agent takes the program's own name.
    explicit CInternetSession(LPCWSTR agent = nullptr, DWORD_PTR context = 1,
                              DWORD accessType = INTERNET_OPEN_TYPE_PRECONFIG, LPCWSTR proxyName = nullptr,
                              LPCWSTR proxyBypass = nullptr, DWORD flags = 0);
    CInternetSession(const CInternetSession&) = delete;
    CInternetSession& operator=(const CInternetSession&) = delete;
    virtual ~CInternetSession();

    // The opened URL (a CHttpFile for http and https), owned by the caller,
    // who closes and deletes it. For http and https the time-outs are set on
    // the request before it is sent, so that they hold from the first byte on;
    // the request is an HTTP/1.0 one, so that no answer comes chunked.
    // INTERNET_FLAG_NO_AUTO_REDIRECT in flags hands a redirect to the caller.
    // Throws CInternetException* on failure.
    CStdioFile* OpenURL(LPCWSTR url, DWORD_PTR context = 1, DWORD flags = INTERNET_FLAG_TRANSFER_ASCII,
                        LPCWSTR headers = nullptr, DWORD headersLength = 0);
    void Close();

    void SetTimeouts(const CInternetTimeouts& timeouts) { m_timeouts = timeouts; }

    // The handles of the session and of the files it opens, for another
    // thread that must be able to end what the session does (Abort).
    std::shared_ptr<CInternetHandles> GetHandles() const { return m_handles; }

private:
    CStdioFile* OpenHttpUrl(LPCWSTR url, DWORD_PTR context, DWORD flags, LPCWSTR headers, DWORD headersLength);

    std::shared_ptr<CInternetHandles> m_handles = std::make_shared<CInternetHandles>();
    HINTERNET m_hSession = nullptr;
    DWORD_PTR m_dwContext;
    CInternetTimeouts m_timeouts;
};
