#include "QtText.h"

#include "CodePage.h"

#include <QList>

QString AnsiToQString(const CString& strText)
{
    std::u32string wide = AnsiToUtf32(strText.Str(), SystemAnsiCodePage());
    return QString::fromUcs4(wide.data(), static_cast<qsizetype>(wide.size()));
}

CString QStringToAnsi(const QString& strText)
{
    QList<uint> units = strText.toUcs4();
    std::u32string wide(units.begin(), units.end());
    return CString(Utf32ToAnsi(wide, SystemAnsiCodePage()));
}

bool IsAnsiRepresentable(char32_t cp32)
{
    return AnsiHasChar(cp32, SystemAnsiCodePage());
}
