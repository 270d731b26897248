#include "QtTestSupport.h"

#include "ChipListDlg.h"
#include "CodePage.h"

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
    EXPECT_FALSE(m_pBackend->PromptForFile(m_request, strPath));
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
    ASSERT_TRUE(m_pBackend->PromptForFile(m_request, strPath));
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
    ASSERT_TRUE(m_pBackend->PromptForFile(m_request, strPath));
    EXPECT_EQ(strName, "List.txt");
    EXPECT_EQ(filters, (QStringList{"Lists (*.txt *.TXT *.Txt)", "All files (*)"}));
    EXPECT_EQ(QString::fromStdString(strPath.Str()), QDir::current().absoluteFilePath("List.txt"));
}

// A title that names a path is UTF-8 and shows any script; an ANSI one goes through the
// code page as every window text does.
TEST_F(QtCatalogPromptTest, SetWindowTextRetitlesTheWindow)
{
    if (SystemAnsiCodePage() != CodePage::Windows1252)
        GTEST_SKIP() << "the ANSI title here is in Windows-1252";
    const std::string strGreek = u8"/data/\u0395\u03BB\u03BB\u03B7\u03BD\u03B9\u03BA\u03AC/Progr.ini";
    const std::pair<CDisplayText, QString> titles[] = {
        {"Orvane - /data/Progr.ini", "Orvane - /data/Progr.ini"},
        {CString("Orvane - Caf\xE9"), QString::fromUtf8(u8"Orvane - Caf\u00E9")},
        {CDisplayText::FromUtf8("Orvane - " + strGreek), QString::fromStdString("Orvane - " + strGreek)},
    };
    for (const auto& title : titles) {
        CChipListDlg dlg;
        QString strShown;
        RunModalScript(dlg, [&](CQtDialogWindow& wnd) {
            dlg.SetWindowText(title.first);
            strShown = wnd.Widget()->windowTitle();
            PressKey(wnd, Qt::Key_Escape);
        });
        EXPECT_EQ(strShown, title.second);
    }
}
}  // namespace
