#pragma once
// The framework's internet classes over WinINet, as far as the manager uses
// them: a session that opens a URL, the opened file's reads and HTTP status,
// and the exception thrown (as a heap pointer, deleted by the catcher with
// Delete) when WinINet fails.

#include <windows.h>
#include <wininet.h>

#include "afx/afxstr.h"

class CInternetException {
public:
    explicit CInternetException(DWORD error, DWORD_PTR context = 0) : m_dwError(error), m_dwContext(context) {}
    void Delete() { delete this; }

    DWORD m_dwError;
    DWORD_PTR m_dwContext;
};

[[noreturn]] void AfxThrowInternetException(DWORD_PTR context, DWORD error = 0);

// A file opened by CInternetSession::OpenURL. Reads throw CInternetException*
// on failure and return 0 at the end of the data.
class CStdioFile {
public:
    CStdioFile(const CStdioFile&) = delete;
    CStdioFile& operator=(const CStdioFile&) = delete;
    virtual ~CStdioFile();

    virtual UINT Read(void* buffer, UINT count);
    virtual void Close();

protected:
    friend class CInternetSession;
    CStdioFile(HINTERNET handle, DWORD_PTR context) : m_hFile(handle), m_dwContext(context) {}

    HINTERNET m_hFile;
    DWORD_PTR m_dwContext;
};

class CHttpFile : public CStdioFile {
public:
    // False when the response carries no status (not an HTTP response).
    BOOL QueryInfoStatusCode(DWORD& statusCode) const;

protected:
    friend class CInternetSession;
    using CStdioFile::CStdioFile;
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
    // who closes and deletes it. Throws CInternetException* on failure.
    CStdioFile* OpenURL(LPCWSTR url, DWORD_PTR context = 1, DWORD flags = INTERNET_FLAG_TRANSFER_ASCII,
                        LPCWSTR headers = nullptr, DWORD headersLength = 0);
    void Close();

    // Time-outs of every later connection, send and receive, in milliseconds.
    void SetTimeouts(DWORD milliseconds) { m_timeoutMs = milliseconds; }

private:
    HINTERNET m_hSession = nullptr;
    DWORD_PTR m_dwContext;
    DWORD m_timeoutMs = 0;
};
