#include "QtEditValidator.h"

#include "DialogManager.h"
#include "QtText.h"

#include <QFontMetrics>
#include <QLineEdit>
#include <QStyle>

namespace {
// The inner margin a line edit keeps on each side between its frame and the text.
constexpr int kLineEditHorizontalMargin = 2;
}  // namespace

CQtEditValidator::CQtEditValidator(QLineEdit* pEdit, DWORD dwStyle, bool bLimitToWidth)
    : QValidator(pEdit), m_pEdit(pEdit), m_dwStyle(dwStyle), m_bLimitToWidth(bLimitToWidth)
{
    QObject::connect(pEdit, &QLineEdit::textChanged, this, [this](const QString& strText) {
        m_strBaseline = strText;
    });
}

QValidator::State CQtEditValidator::validate(QString& strInput, int&) const
{
    if (CountRefused(strInput) > CountRefused(m_strBaseline))
        return Invalid;
    if (m_bLimitToWidth && strInput.size() > 1 && TextWidth(strInput) > TextRoom() &&
        TextWidth(strInput) > TextWidth(m_strBaseline))
        return Invalid;
    return Acceptable;
}

int CQtEditValidator::CountRefused(const QString& strText) const
{
    int nRefused = 0;
    for (char32_t cp32 : strText.toUcs4()) {
        if (!CDialogManager::EditTakesChar(m_dwStyle, cp32) || !IsAnsiRepresentable(cp32))
            ++nRefused;
    }
    return nRefused;
}

int CQtEditValidator::TextWidth(const QString& strText) const
{
    return QFontMetrics(m_pEdit->font()).horizontalAdvance(strText);
}

int CQtEditValidator::TextRoom() const
{
    int nFrame = m_pEdit->hasFrame() ? m_pEdit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, m_pEdit) : 0;
    QMargins margins = m_pEdit->textMargins();
    return m_pEdit->width() - 2 * nFrame - margins.left() - margins.right() - 2 * kLineEditHorizontalMargin;
}
