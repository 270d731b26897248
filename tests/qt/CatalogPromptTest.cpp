#include "QtTestSupport.h"

#include "ChipListDlg.h"

#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>

#include <fstream>

namespace {
// The file dialog the editor shows when started from the menu without a file, and the
// title the main window then carries.
class QtCatalogPromptTest : public QtDialogTest {
protected:
    const QString m_strTitle = QStringLiteral("Open a chip catalogue");
};

TEST_F(QtCatalogPromptTest, CancelChoosesNothing)
{
    OnNextDialog(m_strTitle, [](QDialog& dlg) { dlg.reject(); });
    CString strPath = "unchanged";
    EXPECT_FALSE(m_backend.PromptForCatalog(strPath));
    EXPECT_STREQ(strPath, "unchanged");
}

TEST_F(QtCatalogPromptTest, StartsInTheWorkingFolderOnProgrIni)
{
    std::ofstream("Progr.ini") << "x";
    QString strFolder;
    OnNextDialog(m_strTitle, [&](QDialog& dlg) {
        auto& files = static_cast<QFileDialog&>(dlg);
        strFolder = files.directory().absolutePath();
        dlg.accept();
    });
    CString strPath;
    ASSERT_TRUE(m_backend.PromptForCatalog(strPath));
    EXPECT_EQ(strFolder, QDir::current().absolutePath());
    EXPECT_EQ(QDir(QString::fromStdString(strPath.Str())).canonicalPath(), QDir("Progr.ini").canonicalPath());
}

TEST_F(QtCatalogPromptTest, OpenInAFolderWithoutACatalogueNamesANewProgrIniThere)
{
    QString strName;
    OnNextDialog(m_strTitle, [&](QDialog& dlg) {
        strName = dlg.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->text();
        dlg.accept();
    });
    CString strPath;
    ASSERT_TRUE(m_backend.PromptForCatalog(strPath));
    EXPECT_EQ(strName, "Progr.ini");
    EXPECT_EQ(QString::fromStdString(strPath.Str()), QDir::current().absoluteFilePath("Progr.ini"));
}

TEST_F(QtCatalogPromptTest, SetWindowTextRetitlesTheWindow)
{
    CChipListDlg dlg;
    QString strShown;
    RunModalScript(dlg, [&](CQtDialogWindow& wnd) {
        dlg.SetWindowText("Orvane - /data/Progr.ini");
        strShown = wnd.Widget()->windowTitle();
        PressKey(wnd, Qt::Key_Escape);
    });
    EXPECT_EQ(strShown, "Orvane - /data/Progr.ini");
}
}  // namespace
