#pragma once

#include "Types.h"

#include <QString>
#include <QValidator>

class QLineEdit;

// Decides which edits the user may make in an edit box: the characters the framework
// lets the box take (digits only for a numeric box),
// no growth past the visible width for a box that does not scroll, and no character the
// ANSI code page cannot store. Each rule refuses a change only when it makes things
// worse than the text before it, so a longer text put there by the program can still
// be shortened.
class CQtEditValidator : public QValidator {
public:
    CQtEditValidator(QLineEdit* pEdit, DWORD dwStyle, bool bLimitToWidth);

    State validate(QString& strInput, int& nPos) const override;
    // The text the next change is compared with; follows the box's text by itself and is
    // set by hand before the program replaces the text.
    void SetBaseline(const QString& strText) { m_strBaseline = strText; }
    // Pixels available to the text inside the frame and margins of the box.
    int TextRoom() const;

private:
    int CountRefused(const QString& strText) const;
    int TextWidth(const QString& strText) const;

    QLineEdit* m_pEdit;
    DWORD m_dwStyle;
    bool m_bLimitToWidth;
    QString m_strBaseline;
};
