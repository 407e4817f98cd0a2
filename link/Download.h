#pragma once
// Fetching one URL into memory or into a file (Windows only).

#include "afx/afxstr.h"
#include "link/DownloadProgress.h"

constexpr int kDownloadFailed = -1;    // URL not opened, HTTP error status, or transfer broken off
constexpr int kDownloadFileError = -2; // target file not created or not replaced

// memoryOut non-null: memory mode, *memoryOut receives a malloc'ed block with
// the body and at least one zero byte after it (the caller frees it; it stays
// null when the download fails before the transfer). Otherwise file mode into
// filePath with optional progress. Result: the byte count, or one of the
// negative codes above. A file download goes to a temporary file beside the
// target and replaces the target only when complete, so a failed download
// leaves an existing file as it was.
int DownloadUrl(const CString& url, char** memoryOut, const CString& filePath, DownloadProgress* progress);
