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
}  // namespace

CQtDialogWindow::CQtDialogWindow(const DialogTemplate& tmpl, IDialogSite& site, QWidget* pParent)
    : CDialogWindowBase(tmpl, site), m_units(CDialogUnits::FromFont(DialogFont(tmpl)))
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

int CQtDialogWindow::RunModal()
{
    m_site.SiteInitDialog();
    RethrowPending();
    if (IsEnded())
        return Result();
    m_pDialog->exec();
    RethrowPending();
    return Result();
}

void CQtDialogWindow::CloseWindow(int nResult)
{
    if (m_pDialog)
        m_pDialog->done(nResult);
}

template <class W> W* CQtDialogWindow::ControlAs(int nID) const { return qobject_cast<W*>(ControlWidget(nID)); }

int CQtDialogWindow::GetCheck(int nID) const
{
    const QCheckBox* pBox = ControlAs<QCheckBox>(nID);
    return pBox && pBox->isChecked() ? 1 : 0;
}

void CQtDialogWindow::SetCheck(int nID, int nCheck)
{
    if (QCheckBox* pBox = ControlAs<QCheckBox>(nID))
        pBox->setChecked(nCheck != 0);
}

void CQtDialogWindow::EnableControl(int nID, BOOL bEnable)
{
    if (QWidget* pWidget = ControlWidget(nID))
        pWidget->setEnabled(bEnable != FALSE);
}

BOOL CQtDialogWindow::IsControlEnabled(int nID) const
{
    const QWidget* pWidget = ControlWidget(nID);
    return pWidget && pWidget->isEnabledTo(m_pDialog) ? TRUE : FALSE;
}

void CQtDialogWindow::SetFocusTo(int nID)
{
    if (QWidget* pWidget = ControlWidget(nID))
        pWidget->setFocus(Qt::OtherFocusReason);
}

int CQtDialogWindow::GetFocus() const
{
    const QWidget* pFocus = m_pDialog ? m_pDialog->focusWidget() : nullptr;
    for (std::size_t n = 0; pFocus && n < m_widgets.size(); ++n)
        if (m_widgets[n] == pFocus)
            return TemplateAt(n).nID == -1 ? 0 : TemplateAt(n).nID;
    return 0;
}

void CQtDialogWindow::SelectAllText(int nID)
{
    if (QLineEdit* pEdit = ControlAs<QLineEdit>(nID))
        pEdit->selectAll();
}

void CQtDialogWindow::ShowIcon(HICON /*hIcon*/, BOOL /*bBigIcon*/)
{
    QIcon icon;
    QtAddIconImages(icon, BigIcon());
    if (SmallIcon() != BigIcon())
        QtAddIconImages(icon, SmallIcon());
    m_pDialog->setWindowIcon(icon);
}

void CQtDialogWindow::SetCaption(const CDisplayText& strText)
{
    m_pDialog->setWindowTitle(strText.IsUtf8() ? QString::fromStdString(strText.Str()) : AnsiToQString(strText.Str()));
}

std::u16string CQtDialogWindow::ToShown(const CString& strText) const { return AnsiToQString(strText).toStdU16String(); }

CString CQtDialogWindow::FromShown(const std::u16string& strShown) const
{
    return QStringToAnsi(QString::fromStdU16String(strShown));
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

void CQtDialogWindow::ShowRows(std::size_t nControl, const std::vector<std::u16string>& rows)
{
    QStringList shown;
    shown.reserve(static_cast<qsizetype>(rows.size()));
    for (const std::u16string& strRow : rows)
        shown.append(QString::fromStdU16String(strRow));
    auto* pList = qobject_cast<QListWidget*>(m_widgets[nControl]);
    pList->clear();
    pList->addItems(shown);
}

void CQtDialogWindow::ShowRowAt(std::size_t nControl, int nIndex, const std::u16string& strShown)
{
    qobject_cast<QListWidget*>(m_widgets[nControl])->insertItem(nIndex, QString::fromStdU16String(strShown));
}

void CQtDialogWindow::ShowSelectedRow(std::size_t nControl, int nIndex)
{
    auto* pList = qobject_cast<QListWidget*>(m_widgets[nControl]);
    if (nIndex < 0) {
        pList->clearSelection();
    } else {
        pList->setCurrentRow(nIndex, QItemSelectionModel::ClearAndSelect);
        pList->scrollToItem(pList->item(nIndex));
    }
}

int CQtDialogWindow::SelectedRow(std::size_t nControl) const
{
    const auto* pList = qobject_cast<const QListWidget*>(m_widgets[nControl]);
    const QModelIndexList selected = pList->selectionModel()->selectedRows();
    return selected.isEmpty() ? -1 : selected.first().row();
}
