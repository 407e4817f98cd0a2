#include "app/SaveFolder.h"

std::wstring FolderOfPath(const std::wstring& path)
{
    const std::size_t slash = path.rfind(L'\\');
    return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash + 1);
}

std::wstring InitialSaveFolder(const std::wstring& currentPath, const std::wstring& modulePath)
{
    if (!currentPath.empty())
        return currentPath;
    const std::wstring programFolder = FolderOfPath(modulePath);
    if (programFolder.empty())
        return L"\\";
    return programFolder + L"IMG\\";
}
