#pragma once
// The manager's check for a newer version of itself and the installer's
// download (Windows only). The start page runs both as server exchanges
// (link/ServerExchange.h): the list's end is read here, and the installer's
// download is followed once a second by the page's timer.

#include <string>

#include "link/ManagerUpdateList.h"
#include "link/ServerExchange.h"

struct ManagerUpdateCheck {
    // False when the list could not be had (not reached, or empty): the next
    // entry to the start page checks again.
    bool listDownloaded = false;
    ManagerUpdateListEntry entry;
};

// The list below the firmware server.
ServerExchangeRequest ManagerUpdateListRequest();
// What the fetched list says (read in the system code page).
ManagerUpdateCheck ReadManagerUpdateCheck(const ServerExchangeEnd& end);

// The installer below the firmware server, into path.
ServerExchangeRequest ManagerInstallerRequest(const std::wstring& installerFile, const std::wstring& path);
