#pragma once
// The manager's check for a newer version of itself and the installer's
// download thread (Windows only). The start page runs the check from its
// timer, asks the user, and follows the download once a second through the
// shared InstallerDownloadJob.

#include <string>

#include "link/InstallerDownload.h"
#include "link/ManagerUpdateList.h"

struct ManagerUpdateCheck {
    // False when the list could not be had (not reached, or empty): the next
    // entry to the start page checks again.
    bool listDownloaded = false;
    ManagerUpdateListEntry entry;
};

// Downloads the list below the firmware server and reads it (system code page).
ManagerUpdateCheck CheckManagerUpdateList();

// Starts the thread that fetches the installer into path; the job is reset
// first and finished by the thread with the downloader's result. The job must
// outlive the thread (it is over once job.finished is set). False, with the
// job finished as a failure, when the thread cannot be started.
bool StartManagerInstallerDownload(InstallerDownloadJob& job, const std::wstring& installerFile,
                                   const std::wstring& path);
