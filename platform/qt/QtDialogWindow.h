#pragma once

#include "DialogUnits.h"
#include "DialogWindow.h"

#include <QPointer>
#include <QString>

#include <vector>

class CQtDialogWidget;
class CQtEditValidator;
class QDialog;
class QWidget;

// A dialog of the Qt backend: a fixed-size window built from a template, whose controls
// report clicks, edits and list selections to the dialog object as notifications.
class CQtDialogWindow : public CDialogWindow {
public:
    CQtDialogWindow(const DialogTemplate& tmpl, IDialogSite& site, QWidget* pParent);
    ~CQtDialogWindow() override;

    QDialog* Widget() const;
    // The widget of a control, by ID or by its place in the template; null if none.
    QWidget* ControlWidget(int nID) const;
    QWidget* ControlWidgetAt(std::size_t nIndex) const;
    const CDialogUnits& Units() const { return m_units; }

private:
    int RunWindow() override;
    void CloseWindow(int nResult) override;
    void ShowCaption(const std::u16string& strCaption) override;
    void ShowIcon(HICON hIcon, BOOL bBigIcon) override;

    void BuildControls();
    void Connect(std::size_t nControl);
    // Reports what a widget did, unless the window is being torn down.
    template <class F> void Report(F&& report);

    std::u16string ShownText(std::size_t nControl) const override;
    void ShowText(std::size_t nControl, const std::u16string& strShown) override;
    void ShowRows(std::size_t nControl, int nAt, const std::vector<std::u16string>& rows) override;
    int ShownState(std::size_t nControl, ControlState state) const override;
    void ShowState(std::size_t nControl, ControlState state, int nValue) override;

    CDialogUnits m_units;
    QPointer<CQtDialogWidget> m_pDialog;
    std::vector<QWidget*> m_widgets;  // in template order
    bool m_bDestroying = false;
};
