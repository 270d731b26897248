#pragma once

#include <QDialog>

#include <functional>

// The top-level window of one dialog. It never closes itself: Enter, Esc, F1 and the
// close box become commands for the dialog object, which ends the window through
// EndModal as the framework does.
class CQtDialogWidget : public QDialog {
public:
    // onCommand receives IDCANCEL and ID_HELP; onEnter decides what Enter means.
    CQtDialogWidget(QWidget* pParent, std::function<void(int)> onCommand, std::function<void()> onEnter);

    // fn runs once, from the event loop, right after the window is first painted.
    void CallAfterFirstPaint(std::function<void()> fn) { m_afterFirstPaint = std::move(fn); }
    // Qt's own ways to cancel a dialog become the Cancel command as well.
    void reject() override;

protected:
    void keyPressEvent(QKeyEvent* pEvent) override;
    void closeEvent(QCloseEvent* pEvent) override;
    void paintEvent(QPaintEvent* pEvent) override;

private:
    std::function<void(int)> m_onCommand;
    std::function<void()> m_onEnter;
    std::function<void()> m_afterFirstPaint;
};
