#include "DialogUnits.h"

#include <QFontMetrics>

namespace {
// a * b / c rounded to the nearest integer, halves away from zero.
int MulDiv(int a, int b, int c)
{
    long long product = static_cast<long long>(a) * b;
    long long half = c / 2;
    return static_cast<int>(product >= 0 ? (product + half) / c : (product - half) / c);
}
}  // namespace

CDialogUnits CDialogUnits::FromFont(const QFont& font)
{
    QFontMetrics metrics(font);
    int nWidth = metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return FromMetrics(nWidth, metrics.height());
}

CDialogUnits CDialogUnits::FromMetrics(int nLettersWidth, int nLineHeight)
{
    return CDialogUnits((nLettersWidth / 26 + 1) / 2, nLineHeight);
}

int CDialogUnits::ToPixelsX(int x) const { return MulDiv(x, m_nBaseX, 4); }

int CDialogUnits::ToPixelsY(int y) const { return MulDiv(y, m_nBaseY, 8); }

QRect CDialogUnits::ToPixels(int x, int y, int cx, int cy) const
{
    return QRect(ToPixelsX(x), ToPixelsY(y), ToPixelsX(cx), ToPixelsY(cy));
}
