#pragma once

#include <QFont>
#include <QRect>

// Converts dialog-template units to pixels the way the dialog manager does: the base
// units come from the dialog font, and every coordinate and size is scaled on its own.
class CDialogUnits {
public:
    CDialogUnits(int nBaseX, int nBaseY) : m_nBaseX(nBaseX), m_nBaseY(nBaseY) {}
    // Base X is the rounded average width of the 52 Latin letters, base Y the line height.
    static CDialogUnits FromFont(const QFont& font);
    // The same from the width of "A..Za..z" and the line height, in pixels.
    static CDialogUnits FromMetrics(int nLettersWidth, int nLineHeight);

    int BaseX() const { return m_nBaseX; }
    int BaseY() const { return m_nBaseY; }
    int ToPixelsX(int x) const;
    int ToPixelsY(int y) const;
    QRect ToPixels(int x, int y, int cx, int cy) const;

private:
    int m_nBaseX;
    int m_nBaseY;
};
