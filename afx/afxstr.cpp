#include "afx/afxstr.h"

#include <algorithm>
#include <cstddef>
#include <cstdio>
#include <cstring>
#include <cwctype>

namespace {

std::wstring Pad(std::wstring body, int width, bool left, wchar_t fill = L' ')
{
    if (width > 0 && static_cast<int>(body.size()) < width) {
        const size_t extra = static_cast<size_t>(width) - body.size();
        if (left)
            body.append(extra, L' ');
        else
            body.insert(0, extra, fill);
    }
    return body;
}

std::wstring Widen(const char* text)
{
    std::wstring out;
    for (; *text; ++text)
        out += static_cast<wchar_t>(static_cast<unsigned char>(*text));
    return out;
}

enum class Size { Default, Short, Char, Long, LongLong, SizeT };

// The widest field or precision a conversion takes; larger ones are clamped.
constexpr int kMaxField = 4096;

} // namespace

std::wstring AfxFormatV(const wchar_t* format, va_list args)
{
    std::wstring out;
    if (!format)
        return out;
    const wchar_t* p = format;
    while (*p) {
        if (*p != L'%') {
            out += *p++;
            continue;
        }
        const wchar_t* start = p++;
        if (*p == L'%') {
            out += L'%';
            ++p;
            continue;
        }
        std::string flags;
        while (*p && std::wcschr(L"-+ #0", *p))
            flags += static_cast<char>(*p++);
        // Widths and precisions are clamped to kMaxField: a negative width
        // from the arguments means left-aligned (INT_MIN included, which
        // cannot be negated), a negative precision means none.
        int width = -1;
        if (*p == L'*') {
            const int given = va_arg(args, int);
            if (given < 0) {
                flags += '-';
                width = given < -kMaxField ? kMaxField : -given;
            } else {
                width = std::min(given, kMaxField);
            }
            ++p;
        } else if (std::iswdigit(*p)) {
            width = 0;
            while (std::iswdigit(*p))
                width = std::min(width * 10 + (*p++ - L'0'), kMaxField);
        }
        int precision = -1;
        if (*p == L'.') {
            ++p;
            precision = 0;
            if (*p == L'*') {
                const int given = va_arg(args, int);
                precision = given < 0 ? -1 : std::min(given, kMaxField);
                ++p;
            } else {
                while (std::iswdigit(*p))
                    precision = std::min(precision * 10 + (*p++ - L'0'), kMaxField);
            }
        }
        Size size = Size::Default;
        bool narrowString = false;
        bool wideString = false;
        if (*p == L'h') {
            ++p;
            size = Size::Short;
            narrowString = true;
            if (*p == L'h') {
                ++p;
                size = Size::Char;
            }
        } else if (*p == L'l') {
            ++p;
            size = Size::Long;
            wideString = true;
            if (*p == L'l') {
                ++p;
                size = Size::LongLong;
            }
        } else if (p[0] == L'I' && p[1] == L'6' && p[2] == L'4') {
            p += 3;
            size = Size::LongLong;
        } else if (*p == L'I' || *p == L'z') {
            ++p;
            size = Size::SizeT;
        } else if (*p == L'w') {
            ++p;
            wideString = true;
        }
        const wchar_t conv = *p;
        if (!conv) {
            out.append(start);
            break;
        }
        ++p;
        const bool left = flags.find('-') != std::string::npos;
        switch (conv) {
        case L's':
        case L'S': {
            std::wstring body;
            // %S names the other width than %s does: narrow here, as in the
            // wide functions of the platform's own runtime.
            const bool narrow = narrowString || (conv == L'S' && !wideString);
            if (narrow) {
                const char* s = va_arg(args, const char*);
                body = s ? Widen(s) : L"(null)";
            } else {
                const wchar_t* s = va_arg(args, const wchar_t*);
                body = s ? s : L"(null)";
            }
            if (precision >= 0 && static_cast<int>(body.size()) > precision)
                body.resize(static_cast<size_t>(precision));
            out += Pad(body, width, left);
            break;
        }
        case L'c':
        case L'C': {
            const wchar_t ch = static_cast<wchar_t>(va_arg(args, int));
            out += Pad(std::wstring(1, ch), width, left);
            break;
        }
        case L'd':
        case L'i':
        case L'u':
        case L'x':
        case L'X':
        case L'o': {
            const bool isSigned = conv == L'd' || conv == L'i';
            long long sv = 0;
            unsigned long long uv = 0;
            switch (size) {
            case Size::LongLong:
                if (isSigned)
                    sv = va_arg(args, long long);
                else
                    uv = va_arg(args, unsigned long long);
                break;
            case Size::Long:
                if (isSigned)
                    sv = va_arg(args, long);
                else
                    uv = va_arg(args, unsigned long);
                break;
            case Size::SizeT:
                if (isSigned)
                    sv = static_cast<long long>(va_arg(args, std::ptrdiff_t));
                else
                    uv = va_arg(args, size_t);
                break;
            case Size::Short:
                if (isSigned)
                    sv = static_cast<short>(va_arg(args, int));
                else
                    uv = static_cast<unsigned short>(va_arg(args, unsigned));
                break;
            case Size::Char:
                if (isSigned)
                    sv = static_cast<signed char>(va_arg(args, int));
                else
                    uv = static_cast<unsigned char>(va_arg(args, unsigned));
                break;
            default:
                if (isSigned)
                    sv = va_arg(args, int);
                else
                    uv = va_arg(args, unsigned);
                break;
            }
            std::string conversion = "%" + flags;
            if (width >= 0)
                conversion += std::to_string(width);
            if (precision >= 0)
                conversion += "." + std::to_string(precision);
            conversion += "ll";
            conversion += static_cast<char>(conv);
            // Room for the widest field, its precision's digits and a sign.
            char buf[2 * kMaxField + 32];
            if (isSigned)
                std::snprintf(buf, sizeof buf, conversion.c_str(), sv);
            else
                std::snprintf(buf, sizeof buf, conversion.c_str(), uv);
            out += Widen(buf);
            break;
        }
        case L'f':
        case L'F':
        case L'e':
        case L'E':
        case L'g':
        case L'G': {
            const double v = va_arg(args, double);
            std::string conversion = "%" + flags;
            if (width >= 0)
                conversion += std::to_string(std::min(width, 100));
            if (precision >= 0)
                conversion += "." + std::to_string(std::min(precision, 60));
            conversion += static_cast<char>(conv);
            char buf[512];
            std::snprintf(buf, sizeof buf, conversion.c_str(), v);
            out += Widen(buf);
            break;
        }
        case L'p': {
            const void* v = va_arg(args, void*);
            char buf[64];
            std::snprintf(buf, sizeof buf, "%p", v);
            out += Pad(Widen(buf), width, left);
            break;
        }
        default:
            // An unknown conversion is kept as written, consuming nothing.
            out.append(start, p);
            break;
        }
    }
    return out;
}

std::wstring AfxFormat(const wchar_t* format, ...)
{
    va_list args;
    va_start(args, format);
    std::wstring out = AfxFormatV(format, args);
    va_end(args);
    return out;
}

std::string AfxWideToUtf8(const std::wstring& text)
{
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        unsigned long cp = static_cast<unsigned long>(text[i]) & 0x1FFFFFUL;
        if (sizeof(wchar_t) == 2 && cp >= 0xD800 && cp <= 0xDBFF && i + 1 < text.size()) {
            const unsigned long lo = static_cast<unsigned long>(text[i + 1]);
            if (lo >= 0xDC00 && lo <= 0xDFFF) {
                cp = 0x10000 + ((cp - 0xD800) << 10) + (lo - 0xDC00);
                ++i;
            }
        }
        if (cp < 0x80) {
            out += static_cast<char>(cp);
        } else if (cp < 0x800) {
            out += static_cast<char>(0xC0 | (cp >> 6));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        } else if (cp < 0x10000) {
            out += static_cast<char>(0xE0 | (cp >> 12));
            out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (cp >> 18));
            out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        }
    }
    return out;
}

std::wstring AfxUtf8ToWide(const std::string& text)
{
    std::wstring out;
    size_t i = 0;
    while (i < text.size()) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        unsigned long cp = 0xFFFD;
        size_t len = 1;
        if (c < 0x80) {
            cp = c;
        } else if ((c & 0xE0) == 0xC0) {
            len = 2;
            cp = c & 0x1F;
        } else if ((c & 0xF0) == 0xE0) {
            len = 3;
            cp = c & 0x0F;
        } else if ((c & 0xF8) == 0xF0) {
            len = 4;
            cp = c & 0x07;
        }
        if (len > 1) {
            if (i + len > text.size()) {
                cp = 0xFFFD;
                len = 1;
            } else {
                for (size_t k = 1; k < len; ++k) {
                    const unsigned char cc = static_cast<unsigned char>(text[i + k]);
                    if ((cc & 0xC0) != 0x80) {
                        cp = 0xFFFD;
                        len = k;
                        break;
                    }
                    cp = (cp << 6) | (cc & 0x3F);
                }
            }
        }
        i += len;
        if (cp >= 0x10000 && sizeof(wchar_t) == 2) {
            cp -= 0x10000;
            out += static_cast<wchar_t>(0xD800 + (cp >> 10));
            out += static_cast<wchar_t>(0xDC00 + (cp & 0x3FF));
        } else {
            out += static_cast<wchar_t>(cp);
        }
    }
    return out;
}

CString::CString(const char* text) : m_text(text ? AfxUtf8ToWide(text) : std::wstring()) {}

wchar_t CString::GetAt(int index) const
{
    return (index >= 0 && index < GetLength()) ? m_text[static_cast<size_t>(index)] : L'\0';
}

void CString::SetAt(int index, wchar_t ch)
{
    if (index >= 0 && index < GetLength())
        m_text[static_cast<size_t>(index)] = ch;
}

int CString::Compare(const wchar_t* text) const
{
    const int r = m_text.compare(text ? text : L"");
    return r < 0 ? -1 : (r > 0 ? 1 : 0);
}

int CString::CompareNoCase(const wchar_t* text) const
{
    const wchar_t* a = m_text.c_str();
    const wchar_t* b = text ? text : L"";
    for (;; ++a, ++b) {
        const wint_t ca = std::towlower(static_cast<wint_t>(*a));
        const wint_t cb = std::towlower(static_cast<wint_t>(*b));
        if (ca != cb)
            return ca < cb ? -1 : 1;
        if (!*a)
            return 0;
    }
}

int CString::Find(wchar_t ch, int start) const
{
    if (start < 0 || start > GetLength())
        return -1;
    const size_t pos = m_text.find(ch, static_cast<size_t>(start));
    return pos == std::wstring::npos ? -1 : static_cast<int>(pos);
}

int CString::Find(const wchar_t* text, int start) const
{
    if (!text || start < 0 || start > GetLength())
        return -1;
    const size_t pos = m_text.find(text, static_cast<size_t>(start));
    return pos == std::wstring::npos ? -1 : static_cast<int>(pos);
}

int CString::ReverseFind(wchar_t ch) const
{
    const size_t pos = m_text.rfind(ch);
    return pos == std::wstring::npos ? -1 : static_cast<int>(pos);
}

CString CString::Left(int count) const
{
    count = std::max(0, std::min(count, GetLength()));
    return CString(m_text.substr(0, static_cast<size_t>(count)));
}

CString CString::Right(int count) const
{
    count = std::max(0, std::min(count, GetLength()));
    return CString(m_text.substr(m_text.size() - static_cast<size_t>(count)));
}

CString CString::Mid(int first) const
{
    return Mid(first, GetLength());
}

CString CString::Mid(int first, int count) const
{
    first = std::max(0, first);
    if (first >= GetLength() || count <= 0)
        return CString();
    count = std::min(count, GetLength() - first);
    return CString(m_text.substr(static_cast<size_t>(first), static_cast<size_t>(count)));
}

CString& CString::MakeUpper()
{
    for (auto& ch : m_text)
        ch = static_cast<wchar_t>(std::towupper(static_cast<wint_t>(ch)));
    return *this;
}

CString& CString::MakeLower()
{
    for (auto& ch : m_text)
        ch = static_cast<wchar_t>(std::towlower(static_cast<wint_t>(ch)));
    return *this;
}

CString& CString::Trim()
{
    return TrimRight().TrimLeft();
}

CString& CString::TrimLeft()
{
    size_t i = 0;
    while (i < m_text.size() && std::iswspace(static_cast<wint_t>(m_text[i])))
        ++i;
    m_text.erase(0, i);
    return *this;
}

CString& CString::TrimRight()
{
    while (!m_text.empty() && std::iswspace(static_cast<wint_t>(m_text.back())))
        m_text.pop_back();
    return *this;
}

int CString::Replace(const wchar_t* oldText, const wchar_t* newText)
{
    if (!oldText || !*oldText)
        return 0;
    const std::wstring from(oldText);
    const std::wstring to(newText ? newText : L"");
    int count = 0;
    size_t pos = 0;
    while ((pos = m_text.find(from, pos)) != std::wstring::npos) {
        m_text.replace(pos, from.size(), to);
        pos += to.size();
        ++count;
    }
    return count;
}

int CString::Replace(wchar_t oldCh, wchar_t newCh)
{
    int count = 0;
    for (auto& ch : m_text) {
        if (ch == oldCh) {
            ch = newCh;
            ++count;
        }
    }
    return count;
}

int CString::Insert(int index, const wchar_t* text)
{
    index = std::max(0, std::min(index, GetLength()));
    if (text)
        m_text.insert(static_cast<size_t>(index), text);
    return GetLength();
}

int CString::Delete(int index, int count)
{
    if (index >= 0 && index < GetLength() && count > 0)
        m_text.erase(static_cast<size_t>(index), static_cast<size_t>(count));
    return GetLength();
}

void CString::Format(const wchar_t* format, ...)
{
    va_list args;
    va_start(args, format);
    m_text = AfxFormatV(format, args);
    va_end(args);
}

void CString::FormatV(const wchar_t* format, va_list args)
{
    m_text = AfxFormatV(format, args);
}

void CString::AppendFormat(const wchar_t* format, ...)
{
    va_list args;
    va_start(args, format);
    m_text += AfxFormatV(format, args);
    va_end(args);
}

wchar_t* CString::GetBuffer(int minLength)
{
    if (minLength > GetLength())
        m_text.resize(static_cast<size_t>(minLength));
    return &m_text[0];
}

void CString::ReleaseBuffer(int newLength)
{
    if (newLength < 0) {
        const size_t end = m_text.find(L'\0');
        if (end != std::wstring::npos)
            m_text.resize(end);
    } else if (newLength <= GetLength()) {
        m_text.resize(static_cast<size_t>(newLength));
    }
}
