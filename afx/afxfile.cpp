#include "afx/afxfile.h"

#include <cerrno>
#include <cstdio>

#ifdef _WIN32
#include <io.h>
#include <wchar.h>
#endif

std::FILE* AfxOpenFile(const wchar_t* fileName, const wchar_t* mode)
{
    if (!fileName || !mode)
        return nullptr;
#ifdef _WIN32
    return _wfopen(fileName, mode);
#else
    return std::fopen(AfxWideToUtf8(fileName).c_str(), AfxWideToUtf8(mode).c_str());
#endif
}

bool CFile::Open(const wchar_t* fileName, unsigned flags, CFileException* error)
{
    Close();
    const wchar_t* mode = L"rb";
    const bool create = (flags & modeCreate) != 0;
    const bool keep = (flags & modeNoTruncate) != 0;
    if (flags & modeReadWrite)
        mode = create && !keep ? L"w+b" : L"r+b";
    else if (flags & modeWrite)
        mode = create && !keep ? L"wb" : L"r+b";
    m_file = AfxOpenFile(fileName, mode);
    if (!m_file && create && keep)
        m_file = AfxOpenFile(fileName, (flags & modeReadWrite) ? L"w+b" : L"wb");
    if (!m_file) {
        if (error) {
            error->m_cause = errno == ENOENT   ? CFileException::fileNotFound
                             : errno == EACCES ? CFileException::accessDenied
                                               : CFileException::genericException;
            error->m_strFileName = fileName ? fileName : L"";
        }
        return false;
    }
    m_path = fileName;
    return true;
}

void CFile::Close()
{
    if (m_file) {
        std::fclose(m_file);
        m_file = nullptr;
    }
}

unsigned CFile::Read(void* buffer, unsigned count)
{
    if (!m_file || !buffer)
        return 0;
    return static_cast<unsigned>(std::fread(buffer, 1, count, m_file));
}

bool CFile::Write(const void* buffer, unsigned count)
{
    if (!m_file || (!buffer && count))
        return false;
    return std::fwrite(buffer, 1, count, m_file) == count;
}

bool CFile::Flush()
{
    return m_file && std::fflush(m_file) == 0;
}

uint64_t CFile::GetLength() const
{
    if (!m_file)
        return 0;
    const long here = std::ftell(m_file);
    std::fseek(m_file, 0, SEEK_END);
    const long size = std::ftell(m_file);
    std::fseek(m_file, here, SEEK_SET);
    return size < 0 ? 0 : static_cast<uint64_t>(size);
}

uint64_t CFile::Seek(int64_t offset, int from)
{
    if (!m_file)
        return 0;
    std::fseek(m_file, static_cast<long>(offset), from == begin ? SEEK_SET : from == current ? SEEK_CUR : SEEK_END);
    return GetPosition();
}

uint64_t CFile::GetPosition() const
{
    if (!m_file)
        return 0;
    const long here = std::ftell(m_file);
    return here < 0 ? 0 : static_cast<uint64_t>(here);
}

bool CFile::Remove(const wchar_t* fileName)
{
    if (!fileName)
        return false;
#ifdef _WIN32
    return _wremove(fileName) == 0;
#else
    return std::remove(AfxWideToUtf8(fileName).c_str()) == 0;
#endif
}

bool CFile::Rename(const wchar_t* oldName, const wchar_t* newName)
{
    if (!oldName || !newName)
        return false;
#ifdef _WIN32
    return _wrename(oldName, newName) == 0;
#else
    return std::rename(AfxWideToUtf8(oldName).c_str(), AfxWideToUtf8(newName).c_str()) == 0;
#endif
}
