#include "link/ManagerUpdate.h"

#include <windows.h>

#include <cstdlib>
#include <memory>

#include "link/Download.h"
#include "link/FirmwareServer.h"

namespace {

std::wstring FromSystemCodePage(const char* text, int length)
{
    if (length <= 0)
        return {};
    const int wide = MultiByteToWideChar(CP_ACP, 0, text, length, nullptr, 0);
    if (wide <= 0)
        return {};
    std::wstring out(static_cast<std::size_t>(wide), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text, length, &out[0], wide);
    return out;
}

struct InstallerDownloadRequest {
    InstallerDownloadJob* job;
    std::wstring url;
    std::wstring path;
};

DWORD WINAPI ManagerInstallerDownloadThread(void* parameter)
{
    std::unique_ptr<InstallerDownloadRequest> request(static_cast<InstallerDownloadRequest*>(parameter));
    const int result =
        DownloadUrl(CString(request->url.c_str()), nullptr, CString(request->path.c_str()), &request->job->progress);
    request->job->Finish(result);
    return 0;
}

} // namespace

ManagerUpdateCheck CheckManagerUpdateList()
{
    ManagerUpdateCheck check;
    char* list = nullptr;
    const int bytes =
        DownloadUrl(CString(ManagerUpdateListUrl(FirmwareServerBaseUrl()).c_str()), &list, CString(), nullptr);
    if (bytes > 0 && list) {
        check.listDownloaded = true;
        check.entry = ParseManagerUpdateList(FromSystemCodePage(list, bytes));
    }
    std::free(list);
    return check;
}

bool StartManagerInstallerDownload(InstallerDownloadJob& job, const std::wstring& installerFile,
                                   const std::wstring& path)
{
    job.Reset();
    auto request = std::make_unique<InstallerDownloadRequest>(
        InstallerDownloadRequest{&job, ManagerInstallerUrl(FirmwareServerBaseUrl(), installerFile), path});
    const HANDLE thread = CreateThread(nullptr, 0, ManagerInstallerDownloadThread, request.get(), 0, nullptr);
    if (!thread) {
        job.Finish(kDownloadFailed);
        return false;
    }
    request.release(); // the thread owns it now
    // Nobody waits on the thread: its end is read from the job.
    CloseHandle(thread);
    return true;
}
