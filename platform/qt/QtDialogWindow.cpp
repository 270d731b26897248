#include "QtDialogWindow.h"

#include "QtAccessibility.h"
#include "QtBackend.h"
#include "QtControlBuilder.h"
#include "QtDialogWidget.h"
#include "QtEditValidator.h"
#include "QtIcon.h"
#include "QtText.h"
#include "ScopedCount.h"

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

QString ShownText(const QWidget* pWidget)
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

CQtDialogWindow::CQtDialogWindow(CQtBackend& backend, const DialogTemplate& tmpl, IDialogSite& site, QWidget* pParent)
    : m_backend(backend), m_tmpl(tmpl), m_site(site), m_units(CDialogUnits::FromFont(DialogFont(tmpl)))
{
    m_pDialog = new CQtDialogWidget(pParent, [this](DialogKey key) { Deliver([&] { m_site.SiteKey(key); }); });
    m_pDialog->setFont(DialogFont(tmpl));
    m_pDialog->setWindowTitle(AnsiToQString(tmpl.pszCaption ? tmpl.pszCaption : ""));
    m_pDialog->setFixedSize(m_units.ToPixelsX(tmpl.cx), m_units.ToPixelsY(tmpl.cy));
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
    const Control* pCtl = Find(nID);
    return pCtl ? pCtl->pWidget : nullptr;
}

QWidget* CQtDialogWindow::ControlWidgetAt(std::size_t nIndex) const
{
    return nIndex < m_controls.size() ? m_controls[nIndex].pWidget : nullptr;
}

void CQtDialogWindow::BuildControls()
{
    CQtControlBuilder builder(m_pDialog, m_units);
    m_controls.reserve(m_tmpl.controls.size());
    for (const ControlTemplate& ct : m_tmpl.controls) {
        const bool bHasText = ct.kind != ControlKind::Edit && ct.kind != ControlKind::ListBox && ct.kind != ControlKind::Icon;
        Control ctl{&ct, builder.Create(ct), "", QString(), {}};
        if (bHasText && ct.pszText) {
            ctl.strSet = ct.pszText;
            ctl.strShown = ShownText(ctl.pWidget);
        }
        m_controls.push_back(std::move(ctl));
    }
    CQtAccessibility::Expose(m_tmpl, [this](std::size_t nIndex) { return ControlWidgetAt(nIndex); });
    for (Control& ctl : m_controls)
        Connect(ctl);
}

void CQtDialogWindow::Connect(Control& ctl)
{
    const int nID = ctl.pTmpl->nID;
    if (auto* pButton = qobject_cast<QAbstractButton*>(ctl.pWidget)) {
        QObject::connect(pButton, &QAbstractButton::clicked, m_pDialog, [this, nID] { Notify(nID, BN_CLICKED); });
    } else if (auto* pEdit = qobject_cast<QLineEdit*>(ctl.pWidget)) {
        QObject::connect(pEdit, &QLineEdit::textChanged, m_pDialog, [this, nID] { Notify(nID, EN_CHANGE); });
    } else if (auto* pList = qobject_cast<QListWidget*>(ctl.pWidget)) {
        if (!(ctl.pTmpl->dwStyle & LBS_NOTIFY))
            return;
        QObject::connect(pList, &QListWidget::itemSelectionChanged, m_pDialog, [this, nID] {
            if (m_nProgramChange == 0)
                Notify(nID, LBN_SELCHANGE);
        });
        QObject::connect(pList, &QListWidget::itemDoubleClicked, m_pDialog, [this, nID] { Notify(nID, LBN_DBLCLK); });
    }
}

void CQtDialogWindow::Notify(int nID, int nCode)
{
    Deliver([&] { m_site.SiteCommand(nID, nCode); });
}

template <class F> void CQtDialogWindow::Deliver(F&& report)
{
    if (m_bDestroying)
        return;
    // An exception must not unwind through Qt's event dispatch. It is carried to the
    // end of the modal loop, or of the program's own change that raised it.
    try {
        report();
    } catch (...) {
        if (!m_pendingException)
            m_pendingException = std::current_exception();
        if (m_nProgramChange == 0 && m_pDialog)
            m_pDialog->done(IDCANCEL);
    }
}

void CQtDialogWindow::RethrowPending()
{
    if (!m_pendingException)
        return;
    std::exception_ptr pending = m_pendingException;
    m_pendingException = nullptr;
    std::rethrow_exception(pending);
}

int CQtDialogWindow::RunModal()
{
    m_site.SiteInitDialog();
    RethrowPending();
    if (m_bEnded)
        return m_nResult;
    if (m_backend.TakeExitAfterShow())
        m_pDialog->CallAfterFirstPaint([this] { Notify(IDCANCEL, BN_CLICKED); });
    m_pDialog->exec();
    RethrowPending();
    return m_nResult;
}

void CQtDialogWindow::EndModal(int nResult)
{
    if (m_bEnded)
        return;
    m_bEnded = true;
    m_nResult = nResult;
    if (m_pDialog)
        m_pDialog->done(nResult);
}

CQtDialogWindow::Control* CQtDialogWindow::Find(int nID)
{
    for (Control& ctl : m_controls)
        if (ctl.pTmpl->nID == nID && nID != -1)
            return &ctl;
    return nullptr;
}

const CQtDialogWindow::Control* CQtDialogWindow::Find(int nID) const
{
    return const_cast<CQtDialogWindow*>(this)->Find(nID);
}

template <class W> W* CQtDialogWindow::ControlAs(int nID) const
{
    const Control* pCtl = Find(nID);
    return pCtl ? qobject_cast<W*>(pCtl->pWidget) : nullptr;
}

bool CQtDialogWindow::HasControl(int nID) const { return Find(nID) != nullptr; }

void CQtDialogWindow::SetText(int nID, const CString& strText)
{
    Control* pCtl = Find(nID);
    if (!pCtl)
        return;
    const QString strShown = AnsiToQString(strText);
    pCtl->strSet = strText;
    pCtl->strShown = strShown;
    if (auto* pEdit = qobject_cast<QLineEdit*>(pCtl->pWidget)) {
        if (pEdit->text() == strShown)
            return;
        if (auto* pValidator = dynamic_cast<CQtEditValidator*>(const_cast<QValidator*>(pEdit->validator())))
            pValidator->SetBaseline(strShown);
        {
            CScopedCount programChange(m_nProgramChange);
            pEdit->setText(strShown);
        }
        RethrowPending();
    } else if (auto* pLabel = qobject_cast<QLabel*>(pCtl->pWidget)) {
        pLabel->setText(strShown);
    } else if (auto* pButton = qobject_cast<QAbstractButton*>(pCtl->pWidget)) {
        pButton->setText(strShown);
    } else if (auto* pGroup = qobject_cast<QGroupBox*>(pCtl->pWidget)) {
        pGroup->setTitle(strShown);
    }
}

CString CQtDialogWindow::GetText(int nID) const
{
    const Control* pCtl = Find(nID);
    if (!pCtl)
        return CString();
    const QString strShown = ShownText(pCtl->pWidget);
    return strShown == pCtl->strShown ? pCtl->strSet : QStringToAnsi(strShown);
}

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
    if (Control* pCtl = Find(nID))
        pCtl->pWidget->setEnabled(bEnable != FALSE);
}

BOOL CQtDialogWindow::IsControlEnabled(int nID) const
{
    const Control* pCtl = Find(nID);
    return pCtl && pCtl->pWidget->isEnabledTo(m_pDialog) ? TRUE : FALSE;
}

void CQtDialogWindow::SetFocusTo(int nID)
{
    if (Control* pCtl = Find(nID))
        pCtl->pWidget->setFocus(Qt::OtherFocusReason);
}

int CQtDialogWindow::GetFocus() const
{
    const QWidget* pFocus = m_pDialog ? m_pDialog->focusWidget() : nullptr;
    for (const Control& ctl : m_controls)
        if (pFocus && ctl.pWidget == pFocus)
            return ctl.pTmpl->nID == -1 ? 0 : ctl.pTmpl->nID;
    return 0;
}

void CQtDialogWindow::SelectAllText(int nID)
{
    if (QLineEdit* pEdit = ControlAs<QLineEdit>(nID))
        pEdit->selectAll();
}

void CQtDialogWindow::SetIcon(HICON hIcon, BOOL bBigIcon)
{
    (bBigIcon ? m_hBigIcon : m_hSmallIcon) = hIcon;
    QIcon icon;
    QtAddIconImages(icon, m_hBigIcon);
    if (m_hSmallIcon != m_hBigIcon)
        QtAddIconImages(icon, m_hSmallIcon);
    m_pDialog->setWindowIcon(icon);
}

void CQtDialogWindow::SetCaption(const CString& strText)
{
    m_pDialog->setWindowTitle(AnsiToQString(strText));
}

void CQtDialogWindow::ListResetContent(int nID)
{
    Control* pCtl = Find(nID);
    QListWidget* pList = ControlAs<QListWidget>(nID);
    if (!pList)
        return;
    CScopedCount programChange(m_nProgramChange);
    pList->clear();
    pCtl->rows.clear();
}

void CQtDialogWindow::ListInsertString(int nID, int nIndex, const CString& strText)
{
    Control* pCtl = Find(nID);
    QListWidget* pList = ControlAs<QListWidget>(nID);
    if (!pList)
        return;
    if (nIndex < 0 || nIndex > static_cast<int>(pCtl->rows.size()))
        return;  // the framework never asks for a place outside the list
    CScopedCount programChange(m_nProgramChange);
    pCtl->rows.insert(pCtl->rows.begin() + nIndex, strText);
    pList->insertItem(nIndex, AnsiToQString(strText));
}

void CQtDialogWindow::ListSetStrings(int nID, std::vector<CString> rows)
{
    Control* pCtl = Find(nID);
    QListWidget* pList = ControlAs<QListWidget>(nID);
    if (!pList)
        return;
    QStringList shown;
    shown.reserve(static_cast<qsizetype>(rows.size()));
    for (const CString& strRow : rows)
        shown.append(AnsiToQString(strRow));
    CScopedCount programChange(m_nProgramChange);
    pList->clear();
    pList->addItems(shown);
    pCtl->rows = std::move(rows);
}

int CQtDialogWindow::ListGetCount(int nID) const
{
    const Control* pCtl = Find(nID);
    return pCtl && ControlAs<QListWidget>(nID) ? static_cast<int>(pCtl->rows.size()) : 0;
}

CString CQtDialogWindow::ListGetText(int nID, int nIndex) const
{
    const Control* pCtl = Find(nID);
    if (!pCtl || nIndex < 0 || nIndex >= static_cast<int>(pCtl->rows.size()))
        return CString();
    return pCtl->rows[static_cast<std::size_t>(nIndex)];
}

int CQtDialogWindow::ListGetCurSel(int nID) const
{
    const QListWidget* pList = ControlAs<QListWidget>(nID);
    if (!pList)
        return -1;
    const QModelIndexList selected = pList->selectionModel()->selectedRows();
    return selected.isEmpty() ? -1 : selected.first().row();
}

void CQtDialogWindow::ListSetCurSel(int nID, int nIndex)
{
    QListWidget* pList = ControlAs<QListWidget>(nID);
    if (!pList)
        return;
    CScopedCount programChange(m_nProgramChange);
    if (nIndex < 0 || nIndex >= pList->count()) {
        pList->clearSelection();
    } else {
        pList->setCurrentRow(nIndex, QItemSelectionModel::ClearAndSelect);
        pList->scrollToItem(pList->item(nIndex));
    }
}
