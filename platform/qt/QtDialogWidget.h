#pragma once

#include <QDialog>

#include <functional>

enum class DialogKey;

// The top-level window of one dialog. It never closes itself and never moves the focus
// by itself: Enter, Esc, F1, Tab, Shift+Tab and the close box are reported to onKey, and
// the framework decides what they do.
class CQtDialogWidget : public QDialog {
public:
    CQtDialogWidget(QWidget* pParent, std::function<void(DialogKey)> onKey);

    // fn runs once, from the event loop, right after the window is first painted.
    void CallAfterFirstPaint(std::function<void()> fn) { m_afterFirstPaint = std::move(fn); }
    // Qt's own ways to cancel a dialog become the Cancel command as well.
    void reject() override;

protected:
    void keyPressEvent(QKeyEvent* pEvent) override;
    void closeEvent(QCloseEvent* pEvent) override;
    void paintEvent(QPaintEvent* pEvent) override;
    // Tab and Shift+Tab from any control of the window end up here.
    bool focusNextPrevChild(bool bNext) override;

private:
    std::function<void(DialogKey)> m_onKey;
    std::function<void()> m_afterFirstPaint;
};
