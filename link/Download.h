#pragma once
// Fetching one URL into memory or into a file (Windows only). The bounds it
// keeps are in link/LinkBounds.h.

#include <string>

#include "afx/afxstr.h"
#include "link/DownloadCancel.h"
#include "link/DownloadProgress.h"

// URL not opened, a final status other than 200, an answer that is not
// well-formed HTTP, a redirect that cannot be followed or too many of them, a
// body cut short, stalled, over the deadline, over the memory cap or too large
// to count, an empty body in file mode, or a cancel.
constexpr int kDownloadFailed = -1;
constexpr int kDownloadFileError = -2; // target file not created or not replaced

// memoryOut non-null: memory mode, for the server's lists, with the lists'
// bounds; *memoryOut receives a malloc'ed block with the body and at least one
// zero byte after it (the caller frees it; it stays null when the download
// fails). Otherwise file mode into filePath with optional progress, with the
// bounds of an image. Result: the byte count, or one of the negative codes
// above. A file download goes to a temporary file beside the target and
// replaces the target only when complete, so a failed download leaves an
// existing file as it was. A partial file left by an earlier run that was
// killed is removed.
//
// The call blocks its thread (never a window's) for at most the deadline;
// a cancel asked meanwhile ends it at once. Either way nothing of the caller's
// (progress, memory, target file) is touched after it returns, and the
// partial file is gone.
int DownloadUrl(const CString& url, char** memoryOut, const CString& filePath, DownloadProgress* progress,
                const DownloadCancel* cancel = nullptr);

// The downloader as a server exchange calls it (link/ServerExchange.h): an
// empty file path fetches into body.
int FetchFromServer(const std::wstring& url, const std::wstring& filePath, std::string& body,
                    DownloadProgress& progress, const DownloadCancel& cancel);
