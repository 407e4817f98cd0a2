#pragma once
// Fetching one URL into memory or into a file (Windows only). The bounds it
// keeps are in link/LinkBounds.h.

#include "afx/afxstr.h"
#include "link/DownloadProgress.h"

// URL not opened, a final status other than 200, too many redirects, a body
// cut short, stalled, over the deadline, over the memory cap or too large to
// count, or an empty body in file mode.
constexpr int kDownloadFailed = -1;
constexpr int kDownloadFileError = -2; // target file not created or not replaced

// memoryOut non-null: memory mode, *memoryOut receives a malloc'ed block with
// the body and at least one zero byte after it (the caller frees it; it stays
// null when the download fails). Otherwise file mode into
// filePath with optional progress. Result: the byte count, or one of the
// negative codes above. A file download goes to a temporary file beside the
// target and replaces the target only when complete, so a failed download
// leaves an existing file as it was. A partial file left by an earlier run
// that was killed is removed.
int DownloadUrl(const CString& url, char** memoryOut, const CString& filePath, DownloadProgress* progress);
