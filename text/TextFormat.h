#pragma once
// Composed texts are never handed to printf again: a "%" inside a translation,
// a page title, a model name or an address must come out as it is. This fills
// the placeholders of one pattern in a single pass and never re-reads what it
// has put in.
//
//   %s  the next value (a number is written in decimal)
//   %d  the next value (a text is written as it is)
//   %0.1f  the next value as a number with one decimal (a text is written as it is)
//   %%  one "%"
//
// Anything else after a "%" (and a "%" at the very end) is copied unchanged. A
// placeholder without a value left becomes empty; values left over are ignored.

#include <initializer_list>
#include <string>

class TextArg {
public:
    TextArg(const std::wstring& text) : m_text(text) {}
    TextArg(const wchar_t* text) : m_text(text ? text : L"") {}
    TextArg(int number) : m_text(std::to_wstring(number)), m_number(number), m_isNumber(true) {}
    TextArg(double number);

    const std::wstring& Text() const { return m_text; }
    // One decimal, in the program's C locale like the rest of its numbers.
    std::wstring OneDecimal() const;

private:
    std::wstring m_text;
    double m_number = 0;
    bool m_isNumber = false;
};

std::wstring FillPlaceholders(const std::wstring& pattern, std::initializer_list<TextArg> values);
