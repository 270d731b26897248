#include "QtDialogWindow.h"

#include "QtAccessibility.h"
#include "QtControlBuilder.h"
#include "QtDialogWidget.h"
#include "QtEditValidator.h"
#include "QtIcon.h"
#include "QtText.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace {
// The system's UI font at the template's size stands in for the template's own font.
QFont DialogFont(const DialogTemplate& tmpl)
{
    QFont font = QApplication::font();
    if (tmpl.nPointSize > 0)
        font.setPointSize(tmpl.nPointSize);
    return font;
}

QString WidgetText(const QWidget* pWidget)
{
    if (auto* pEdit = qobject_cast<const QLineEdit*>(pWidget))
        return pEdit->text();
    if (auto* pLabel = qobject_cast<const QLabel*>(pWidget))
        return pLabel->text();
    if (auto* pButton = qobject_cast<const QAbstractButton*>(pWidget))
        return pButton->text();
    if (auto* pGroup = qobject_cast<const QGroupBox*>(pWidget))
        return pGroup->title();
    return QString();
}

// nIndex is a row of the list, or -1 for none.
void ShowSelectedRow(QListWidget* pList, int nIndex)
{
    if (nIndex < 0) {
        pList->clearSelection();
    } else {
        pList->setCurrentRow(nIndex, QItemSelectionModel::ClearAndSelect);
        pList->scrollToItem(pList->item(nIndex));
    }
}
}  // namespace

CQtDialogWindow::CQtDialogWindow(const DialogTemplate& tmpl, IDialogSite& site, QWidget* pParent)
    : CDialogWindow(tmpl, site), m_units(CDialogUnits::FromFont(DialogFont(tmpl)))
{
    m_pDialog = new CQtDialogWidget(pParent, [this](DialogKey key) { Report([&] { m_site.SiteKey(key); }); });
    m_pDialog->setFont(DialogFont(tmpl));
    m_pDialog->setWindowTitle(AnsiToQString(tmpl.pszCaption ? tmpl.pszCaption : ""));
    m_pDialog->setFixedSize(m_units.ToPixelsX(tmpl.cx), m_units.ToPixelsY(tmpl.cy));
    m_pDialog->CallAfterFirstPaint([this] { Report([&] { m_site.SiteShown(); }); });
    BuildControls();
}

CQtDialogWindow::~CQtDialogWindow()
{
    // Widgets being torn down may still signal; the dialog object must not hear them.
    m_bDestroying = true;
    delete m_pDialog.data();
}

QDialog* CQtDialogWindow::Widget() const { return m_pDialog.data(); }

QWidget* CQtDialogWindow::ControlWidget(int nID) const
{
    const std::size_t n = IndexOf(nID);
    return n == npos ? nullptr : m_widgets[n];
}

QWidget* CQtDialogWindow::ControlWidgetAt(std::size_t nIndex) const
{
    return nIndex < m_widgets.size() ? m_widgets[nIndex] : nullptr;
}

void CQtDialogWindow::BuildControls()
{
    CQtControlBuilder builder(m_pDialog, m_units);
    m_widgets.reserve(m_tmpl.controls.size());
    for (const ControlTemplate& ct : m_tmpl.controls)
        m_widgets.push_back(builder.Create(ct));
    RecordTemplateTexts();
    CQtAccessibility::Expose(m_tmpl, [this](std::size_t nIndex) { return ControlWidgetAt(nIndex); });
    for (std::size_t n = 0; n < m_widgets.size(); ++n)
        Connect(n);
}

void CQtDialogWindow::Connect(std::size_t nControl)
{
    const ControlTemplate& ct = TemplateAt(nControl);
    const int nID = ct.nID;
    QWidget* pWidget = m_widgets[nControl];
    const auto notify = [this, nID](int nCode) { Report([&] { m_site.SiteCommand(nID, nCode); }); };
    if (auto* pButton = qobject_cast<QAbstractButton*>(pWidget)) {
        QObject::connect(pButton, &QAbstractButton::clicked, m_pDialog, [notify] { notify(BN_CLICKED); });
    } else if (auto* pEdit = qobject_cast<QLineEdit*>(pWidget)) {
        QObject::connect(pEdit, &QLineEdit::textChanged, m_pDialog, [notify] { notify(EN_CHANGE); });
    } else if (auto* pList = qobject_cast<QListWidget*>(pWidget)) {
        if (!(ct.dwStyle & LBS_NOTIFY))
            return;
        QObject::connect(pList, &QListWidget::itemSelectionChanged, m_pDialog, [this, notify] {
            if (!IsProgramChange())
                notify(LBN_SELCHANGE);
        });
        QObject::connect(pList, &QListWidget::itemDoubleClicked, m_pDialog, [notify] { notify(LBN_DBLCLK); });
    }
}

template <class F> void CQtDialogWindow::Report(F&& report)
{
    if (!m_bDestroying)
        Deliver(std::forward<F>(report));
}

int CQtDialogWindow::RunWindow()
{
    m_site.SiteInitDialog();
    RethrowPending();
    if (!IsEnded())
        m_pDialog->exec();
    return Result();
}

void CQtDialogWindow::CloseWindow(int nResult)
{
    if (m_pDialog)
        m_pDialog->done(nResult);
}

void CQtDialogWindow::ShowIcon(HICON /*hIcon*/, BOOL /*bBigIcon*/)
{
    QIcon icon;
    QtAddIconImages(icon, BigIcon());
    if (SmallIcon() != BigIcon())
        QtAddIconImages(icon, SmallIcon());
    m_pDialog->setWindowIcon(icon);
}

void CQtDialogWindow::ShowCaption(const std::u16string& strCaption)
{
    m_pDialog->setWindowTitle(QString::fromStdU16String(strCaption));
}

std::u16string CQtDialogWindow::ShownText(std::size_t nControl) const
{
    return WidgetText(m_widgets[nControl]).toStdU16String();
}

void CQtDialogWindow::ShowText(std::size_t nControl, const std::u16string& strShown)
{
    const QString strText = QString::fromStdU16String(strShown);
    QWidget* pWidget = m_widgets[nControl];
    if (auto* pEdit = qobject_cast<QLineEdit*>(pWidget)) {
        if (auto* pValidator = dynamic_cast<CQtEditValidator*>(const_cast<QValidator*>(pEdit->validator())))
            pValidator->SetBaseline(strText);
        pEdit->setText(strText);
    } else if (auto* pLabel = qobject_cast<QLabel*>(pWidget)) {
        pLabel->setText(strText);
    } else if (auto* pButton = qobject_cast<QAbstractButton*>(pWidget)) {
        pButton->setText(strText);
    } else if (auto* pGroup = qobject_cast<QGroupBox*>(pWidget)) {
        pGroup->setTitle(strText);
    }
}

void CQtDialogWindow::ShowRows(std::size_t nControl, int nAt, const std::vector<std::u16string>& rows)
{
    QStringList shown;
    shown.reserve(static_cast<qsizetype>(rows.size()));
    for (const std::u16string& strRow : rows)
        shown.append(QString::fromStdU16String(strRow));
    auto* pList = qobject_cast<QListWidget*>(m_widgets[nControl]);
    if (nAt < 0)
        pList->clear();
    pList->insertItems(nAt < 0 ? 0 : nAt, shown);
}

int CQtDialogWindow::ShownState(std::size_t nControl, ControlState state) const
{
    const QWidget* pWidget = m_widgets[nControl];
    switch (state) {
    case ControlState::Checked:
        return qobject_cast<const QCheckBox*>(pWidget)->isChecked() ? 1 : 0;
    case ControlState::Enabled:
        return pWidget->isEnabledTo(m_pDialog) ? 1 : 0;
    case ControlState::Focused:
        return m_pDialog && m_pDialog->focusWidget() == pWidget ? 1 : 0;
    case ControlState::SelectedRow: {
        const QModelIndexList selected = qobject_cast<const QListWidget*>(pWidget)->selectionModel()->selectedRows();
        return selected.isEmpty() ? -1 : selected.first().row();
    }
    }
    return 0;
}

void CQtDialogWindow::ShowState(std::size_t nControl, ControlState state, int nValue)
{
    QWidget* pWidget = m_widgets[nControl];
    switch (state) {
    case ControlState::Checked:
        qobject_cast<QCheckBox*>(pWidget)->setChecked(nValue != 0);
        break;
    case ControlState::Enabled:
        pWidget->setEnabled(nValue != 0);
        break;
    case ControlState::Focused:
        pWidget->setFocus(Qt::OtherFocusReason);
        if (auto* pEdit = qobject_cast<QLineEdit*>(pWidget))
            pEdit->selectAll();
        break;
    case ControlState::SelectedRow:
        ShowSelectedRow(qobject_cast<QListWidget*>(pWidget), nValue);
        break;
    }
}
