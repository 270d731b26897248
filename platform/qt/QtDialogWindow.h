#pragma once

#include "DialogUnits.h"
#include "DialogWindowBase.h"

#include <QPointer>
#include <QString>

#include <vector>

class CQtDialogWidget;
class CQtEditValidator;
class QDialog;
class QWidget;

// A dialog of the Qt backend: a fixed-size window built from a template, whose controls
// report clicks, edits and list selections to the dialog object as notifications.
class CQtDialogWindow : public CDialogWindowBase {
public:
    CQtDialogWindow(const DialogTemplate& tmpl, IDialogSite& site, QWidget* pParent);
    ~CQtDialogWindow() override;

    QDialog* Widget() const;
    // The widget of a control, by ID or by its place in the template; null if none.
    QWidget* ControlWidget(int nID) const;
    QWidget* ControlWidgetAt(std::size_t nIndex) const;
    const CDialogUnits& Units() const { return m_units; }

    int RunModal() override;
    int GetCheck(int nID) const override;
    void SetCheck(int nID, int nCheck) override;
    void EnableControl(int nID, BOOL bEnable) override;
    BOOL IsControlEnabled(int nID) const override;
    void SetFocusTo(int nID) override;
    int GetFocus() const override;
    void SelectAllText(int nID) override;
    void SetCaption(const CDisplayText& strText) override;

private:
    void BuildControls();
    void Connect(std::size_t nControl);
    template <class W> W* ControlAs(int nID) const;
    // Reports what a widget did, unless the window is being torn down.
    template <class F> void Report(F&& report);

    std::u16string ToShown(const CString& strText) const override;
    CString FromShown(const std::u16string& strShown) const override;
    std::u16string ShownText(std::size_t nControl) const override;
    void ShowText(std::size_t nControl, const std::u16string& strShown) override;
    void ShowRows(std::size_t nControl, const std::vector<std::u16string>& rows) override;
    void ShowRowAt(std::size_t nControl, int nIndex, const std::u16string& strShown) override;
    void ShowSelectedRow(std::size_t nControl, int nIndex) override;
    int SelectedRow(std::size_t nControl) const override;
    void CloseWindow(int nResult) override;
    void ShowIcon(HICON hIcon, BOOL bBigIcon) override;

    CDialogUnits m_units;
    QPointer<CQtDialogWidget> m_pDialog;
    std::vector<QWidget*> m_widgets;  // in template order
    bool m_bDestroying = false;
};
