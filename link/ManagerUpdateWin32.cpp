#include "link/ManagerUpdate.h"

#include "link/FirmwareServer.h"
#include "link/ServerExchangeWin32.h"

ServerExchangeRequest ManagerUpdateListRequest()
{
    return ServerExchangeRequest{ManagerUpdateListUrl(FirmwareServerBaseUrl()), std::wstring()};
}

ManagerUpdateCheck ReadManagerUpdateCheck(const ServerExchangeEnd& end)
{
    ManagerUpdateCheck check;
    if (end.ended && end.received > 0 && !end.body.empty()) {
        check.listDownloaded = true;
        check.entry = ParseManagerUpdateList(SystemCodePageText(end.body));
    }
    return check;
}

ServerExchangeRequest ManagerInstallerRequest(const std::wstring& installerFile, const std::wstring& path)
{
    return ServerExchangeRequest{ManagerInstallerUrl(FirmwareServerBaseUrl(), installerFile), path};
}
