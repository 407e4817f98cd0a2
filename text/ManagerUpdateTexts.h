#pragma once
// Texts of the manager's update of itself. Each takes the UI language index
// and gives English for any index outside 1..12.

#include <string>

// Pattern of the question; every language takes its values in one order:
// product name, product name, major, minor, build suffix, YES label, NO label,
// product name, running major, running minor, running suffix.
std::wstring GetTextManagerUpdatePrompt(int language);
// The question filled for a server version; build above 0 adds ".build".
std::wstring ComposeManagerUpdatePrompt(int language, int major, int minor, int build);

std::wstring GetTextDownloadingUpdateFile(int language);
std::wstring GetTextUpdateFileDownloaded(int language);
// The status after a failed installer download, by the downloader's result:
// below -1 the file could not be opened, otherwise the server not reached.
std::wstring GetTextInstallerDownloadFailed(int result, int language);

// Save-dialog filters, the same in every language.
std::wstring GetTextManagerUpdateFilter();
std::wstring GetTextDiagnosticLogFilter();
