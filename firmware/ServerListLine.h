#pragma once
// One line of the server's text lists (the firmware index and the revision
// list): fields separated by colons, at most four of them, and the rule that
// keeps a server file name from naming anything but a file beside the list.

#include <string>
#include <unordered_map>

constexpr int kServerListMaxFields = 4;

struct ServerListLine {
    // Number of colons that cut the line (0 to 3); the line has colons + 1 fields.
    int colons = 0;
    // Trimmed fields; only the first colons + 1 are set.
    std::wstring fields[kServerListMaxFields];
    // The text after the first colon as it stands, for the build number.
    std::wstring restAfterFirstColon;
};

// Cuts at the first three colons at most; a colon at the start of what is left
// (an empty field) ends the cut, so everything from it on is the last field.
ServerListLine SplitServerListLine(const std::wstring& line);

// Reads a list's lines front to back (LF-separated, empty lines skipped, the
// last line needs no LF), keeping its place rather than cutting what was read
// off the text, so that a list costs time in proportion to its length. The
// text must outlive the reader.
class ServerListReader {
public:
    explicit ServerListReader(const std::wstring& text) : m_text(text) {}
    // The next line; false when no line is left.
    bool Next(std::wstring& line);

private:
    const std::wstring& m_text;
    std::size_t m_at = 0;
};

// A file name the manager may append to the server address and save under:
// not empty, not "." or "..", and without "/", "\" or ":".
bool IsPlainServerFileName(const std::wstring& name);

// Leading blanks, an optional sign, then decimal digits up to the first other
// character; no digits give 0 and a value beyond the int range is clamped.
int ReadDecimalPrefix(const std::wstring& text);

// Trims blanks, tabs, carriage returns and line feeds from both ends.
std::wstring TrimListField(const std::wstring& text);

// Two names of the lists compared with case ignored.
bool SameListName(const std::wstring& left, const std::wstring& right);

// The voice-prompt variants' language names a list reader has met, in the
// order met, each found again at once whatever its case and however many
// there are.
class ServerListLanguages {
public:
    // The item of a name met before, or -1.
    int Find(const std::wstring& name) const;
    // A name not met before becomes the next item.
    void Add(const std::wstring& name);

private:
    std::unordered_map<std::wstring, int> m_items;
};
