// The baseline for start-up timing: a plain Qt dialog with a list and four buttons,
// built with the same compiler flags as the editor. With ORVANE_EXIT_AFTER_SHOW=1 it
// ends right after its first paint, as the editor does.
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

#include <cstdlib>
#include <cstring>

namespace {
class CBareDialog : public QDialog {
protected:
    void paintEvent(QPaintEvent* pEvent) override
    {
        QDialog::paintEvent(pEvent);
        const char* pszExit = std::getenv("ORVANE_EXIT_AFTER_SHOW");
        if (!m_bPainted && pszExit && std::strcmp(pszExit, "1") == 0)
            QTimer::singleShot(0, this, [this] { done(QDialog::Rejected); });
        m_bPainted = true;
    }

private:
    bool m_bPainted = false;
};
}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    CBareDialog dialog;
    dialog.setWindowTitle("Bare");
    dialog.setFixedSize(481, 323);
    auto* pList = new QListWidget(&dialog);
    pList->setGeometry(11, 11, 353, 301);
    for (int i = 0; i < 20; ++i)
        pList->addItem(QString("24C%1").arg(i));
    const char* const captions[] = {"Add New", "Edit chip", "Delete Chip", "Cancel"};
    const int ys[] = {11, 44, 80, 289};
    for (int i = 0; i < 4; ++i)
        (new QPushButton(captions[i], &dialog))->setGeometry(382, ys[i], 88, 23);
    (new QLabel("Ver. 1.01.0", &dialog))->setGeometry(394, 216, 63, 13);
    return dialog.exec() == QDialog::Rejected ? 0 : 1;
}
