#pragma once
// Wide string with the members the manager's code uses. Portable: compiles
// natively and for Windows, so records and texts can use it outside windows.

#include <cstdarg>
#include <string>

class CString {
public:
    CString() = default;
    CString(const wchar_t* text) : m_text(text ? text : L"") {}
    CString(const wchar_t* text, int length)
        : m_text(text ? text : L"", text && length > 0 ? static_cast<size_t>(length) : 0)
    {}
    CString(wchar_t ch, int repeat = 1) : m_text(repeat > 0 ? static_cast<size_t>(repeat) : 0, ch) {}
    CString(const std::wstring& text) : m_text(text) {}
    CString(std::wstring&& text) : m_text(std::move(text)) {}
    // Narrow text is taken as UTF-8 (ASCII in practice).
    explicit CString(const char* text);

    operator const wchar_t*() const { return m_text.c_str(); }
    const std::wstring& str() const { return m_text; }
    std::wstring& str() { return m_text; }

    int GetLength() const { return static_cast<int>(m_text.size()); }
    bool IsEmpty() const { return m_text.empty(); }
    void Empty() { m_text.clear(); }
    wchar_t GetAt(int index) const;
    void SetAt(int index, wchar_t ch);
    wchar_t operator[](int index) const { return GetAt(index); }

    CString& operator=(const wchar_t* text)
    {
        m_text = text ? text : L"";
        return *this;
    }
    CString& operator=(const std::wstring& text)
    {
        m_text = text;
        return *this;
    }
    CString& operator=(wchar_t ch)
    {
        m_text.assign(1, ch);
        return *this;
    }
    CString& operator+=(const CString& text)
    {
        m_text += text.m_text;
        return *this;
    }
    CString& operator+=(const wchar_t* text)
    {
        if (text)
            m_text += text;
        return *this;
    }
    CString& operator+=(wchar_t ch)
    {
        m_text += ch;
        return *this;
    }

    friend CString operator+(const CString& a, const CString& b) { return CString(a.m_text + b.m_text); }
    friend CString operator+(const CString& a, const wchar_t* b) { return CString(a.m_text + (b ? b : L"")); }
    friend CString operator+(const wchar_t* a, const CString& b) { return CString((a ? a : L"") + b.m_text); }
    friend CString operator+(const CString& a, wchar_t b) { return CString(a.m_text + b); }
    friend bool operator==(const CString& a, const CString& b) { return a.m_text == b.m_text; }
    friend bool operator==(const CString& a, const wchar_t* b) { return a.m_text == (b ? b : L""); }
    friend bool operator==(const wchar_t* a, const CString& b) { return b == a; }
    friend bool operator!=(const CString& a, const CString& b) { return !(a == b); }
    friend bool operator!=(const CString& a, const wchar_t* b) { return !(a == b); }
    friend bool operator<(const CString& a, const CString& b) { return a.m_text < b.m_text; }

    int Compare(const wchar_t* text) const;
    // Case-insensitive for ASCII and Latin letters, as the manager's file keys need.
    int CompareNoCase(const wchar_t* text) const;

    int Find(wchar_t ch, int start = 0) const;
    int Find(const wchar_t* text, int start = 0) const;
    int ReverseFind(wchar_t ch) const;
    CString Left(int count) const;
    CString Right(int count) const;
    CString Mid(int first) const;
    CString Mid(int first, int count) const;
    CString& MakeUpper();
    CString& MakeLower();
    CString& Trim();
    CString& TrimLeft();
    CString& TrimRight();
    int Replace(const wchar_t* oldText, const wchar_t* newText);
    int Replace(wchar_t oldCh, wchar_t newCh);
    int Insert(int index, const wchar_t* text);
    int Delete(int index, int count = 1);

    // printf formatting with one fixed set of rules on every compiler:
    // %s and %ls take a wide string, %hs a narrow one, %c a wide character;
    // d i u x X o c f e g p with flags, width, precision and the h l ll I64 sizes.
    void Format(const wchar_t* format, ...);
    void FormatV(const wchar_t* format, va_list args);
    void AppendFormat(const wchar_t* format, ...);

    // Writable buffer of at least minLength characters; ReleaseBuffer trims to
    // the first terminator (or to newLength when given).
    wchar_t* GetBuffer(int minLength = 0);
    void ReleaseBuffer(int newLength = -1);

private:
    std::wstring m_text;
};

// Formatting into a std::wstring with CString's rules.
std::wstring AfxFormatV(const wchar_t* format, va_list args);
std::wstring AfxFormat(const wchar_t* format, ...);

// UTF-8 <-> wide conversions for portable code (file names, logs on the host).
std::string AfxWideToUtf8(const std::wstring& text);
std::wstring AfxUtf8ToWide(const std::string& text);
