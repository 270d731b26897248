#include "DisplayText.h"

#include "CodePage.h"

CDisplayText CDisplayText::FromUtf8(std::string strUtf8)
{
    CDisplayText text;
    text.m_str = std::move(strUtf8);
    text.m_bUtf8 = true;
    return text;
}

std::string CDisplayText::Utf8() const
{
    // Character for byte as the window system shows it, undefined bytes included.
    return m_bUtf8 ? m_str : Utf32ToUtf8(AnsiToUtf32(m_str, SystemAnsiCodePage()));
}

std::u16string CDisplayText::Utf16() const
{
    if (!m_bUtf8)
        return AnsiToUtf16(m_str, SystemAnsiCodePage());
    std::u32string text;
    Utf8ToUtf32(m_str, text);
    return Utf32ToUtf16(text);
}

CString CDisplayText::Ansi() const
{
    if (!m_bUtf8)
        return m_str;
    std::u32string text;
    Utf8ToUtf32(m_str, text);
    return Utf32ToAnsi(text, SystemAnsiCodePage());
}

CDisplayText& CDisplayText::operator+=(const CDisplayText& other)
{
    if (m_bUtf8 == other.m_bUtf8 || other.IsEmpty()) {
        m_str += other.m_str;
    } else if (IsEmpty()) {
        *this = other;
    } else {
        m_str = Utf8() + other.Utf8();
        m_bUtf8 = true;
    }
    return *this;
}
