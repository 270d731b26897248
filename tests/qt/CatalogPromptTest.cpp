#include "QtTestSupport.h"

#include "ChipListDlg.h"

#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>

#include <fstream>

namespace {
// The system's Open dialog as the editor asks it when started from the menu without a
// file, and the title the main window then carries.
class QtCatalogPromptTest : public QtDialogTest {
protected:
    const OpenFileRequest m_request{"Open a list", "List.txt", {{"Lists", "*.txt"}, {"All files", "*"}}};
    const QString m_strTitle = QStringLiteral("Open a list");
};

TEST_F(QtCatalogPromptTest, CancelChoosesNothing)
{
    OnNextDialog(m_strTitle, [](QDialog& dlg) { dlg.reject(); });
    CString strPath = "unchanged";
    EXPECT_FALSE(m_backend.PromptForFile(m_request, strPath));
    EXPECT_STREQ(strPath, "unchanged");
}

TEST_F(QtCatalogPromptTest, StartsInTheWorkingFolderOnTheSuggestedName)
{
    std::ofstream("List.txt") << "x";
    QString strFolder;
    OnNextDialog(m_strTitle, [&](QDialog& dlg) {
        auto& files = static_cast<QFileDialog&>(dlg);
        strFolder = files.directory().absolutePath();
        dlg.accept();
    });
    CString strPath;
    ASSERT_TRUE(m_backend.PromptForFile(m_request, strPath));
    EXPECT_EQ(strFolder, QDir::current().absolutePath());
    EXPECT_EQ(QDir(QString::fromStdString(strPath.Str())).canonicalPath(), QDir("List.txt").canonicalPath());
}

TEST_F(QtCatalogPromptTest, OpenInAFolderWithoutTheFileNamesItThereAndListsItInAnyCase)
{
    QString strName;
    QStringList filters;
    OnNextDialog(m_strTitle, [&](QDialog& dlg) {
        strName = dlg.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->text();
        filters = static_cast<QFileDialog&>(dlg).nameFilters();
        dlg.accept();
    });
    CString strPath;
    ASSERT_TRUE(m_backend.PromptForFile(m_request, strPath));
    EXPECT_EQ(strName, "List.txt");
    EXPECT_EQ(filters, (QStringList{"Lists (*.txt *.TXT *.Txt)", "All files (*)"}));
    EXPECT_EQ(QString::fromStdString(strPath.Str()), QDir::current().absoluteFilePath("List.txt"));
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
