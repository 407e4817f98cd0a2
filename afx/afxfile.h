#pragma once
// Files over the C runtime and a critical section, with the framework's names.
// Portable: the same code runs natively and on Windows.

#include <cstdio>
#include <cstdint>
#include <mutex>

#include "afx/afxstr.h"

class CFileException {
public:
    enum { none = 0, genericException, fileNotFound, badPath, accessDenied, endOfFile };
    int m_cause = none;
    CString m_strFileName;
};

class CFile {
public:
    enum OpenFlags : unsigned {
        modeRead = 0x0000,
        modeWrite = 0x0001,
        modeReadWrite = 0x0002,
        shareCompat = 0x0000,
        shareExclusive = 0x0010,
        shareDenyWrite = 0x0020,
        shareDenyRead = 0x0030,
        shareDenyNone = 0x0040,
        modeNoInherit = 0x0080,
        modeNoTruncate = 0x2000,
        modeCreate = 0x1000,
        typeText = 0x4000,
        typeBinary = 0x8000,
    };
    enum SeekPosition { begin = 0, current = 1, end = 2 };

    CFile() = default;
    CFile(const CFile&) = delete;
    CFile& operator=(const CFile&) = delete;
    virtual ~CFile() { Close(); }

    virtual bool Open(const wchar_t* fileName, unsigned flags, CFileException* error = nullptr);
    virtual void Close();
    virtual unsigned Read(void* buffer, unsigned count);
    // Returns false when not every byte could be written (a full disk must not
    // pass as a written file).
    virtual bool Write(const void* buffer, unsigned count);
    bool Flush();
    uint64_t GetLength() const;
    uint64_t Seek(int64_t offset, int from);
    uint64_t GetPosition() const;
    bool IsOpen() const { return m_file != nullptr; }
    const CString& GetFilePath() const { return m_path; }

    static bool Remove(const wchar_t* fileName);
    static bool Rename(const wchar_t* oldName, const wchar_t* newName);

protected:
    std::FILE* m_file = nullptr;
    CString m_path;
};

// Opens a C runtime stream on a wide path (UTF-8 on the host).
std::FILE* AfxOpenFile(const wchar_t* fileName, const wchar_t* mode);

class CCriticalSection {
public:
    bool Lock()
    {
        m_mutex.lock();
        return true;
    }
    bool Unlock()
    {
        m_mutex.unlock();
        return true;
    }

private:
    std::recursive_mutex m_mutex;
};
