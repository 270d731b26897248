#include "QtBackend.h"

#include "DisplayProbe.h"
#include "QtDialogWindow.h"
#include "QtMessageBox.h"
#include "QtText.h"
#include "WinApp.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>

#include <cstdlib>
#include <cstring>

namespace {
bool IsSet(const char* pszName)
{
    const char* pszValue = std::getenv(pszName);
    return pszValue && *pszValue;
}

// Qt goes to the X display when nothing else is asked for and no Wayland display is set.
bool WillUseX11()
{
    const char* pszPlatform = std::getenv("QT_QPA_PLATFORM");
    const bool bDefault = !pszPlatform || !*pszPlatform;
    return IsSet("DISPLAY") && ((bDefault && !IsSet("WAYLAND_DISPLAY")) || (pszPlatform && std::strcmp(pszPlatform, "xcb") == 0));
}

QMessageBox::Icon MessageIcon(UINT nType)
{
    switch (nType & 0xF0) {
    case 0x10:
        return QMessageBox::Critical;
    case 0x20:
        return QMessageBox::Question;
    case 0x40:
        return QMessageBox::Information;
    case 0x30:
        return QMessageBox::Warning;
    default:
        return QMessageBox::NoIcon;
    }
}

// Windows matches file names in any case; here "*.ini" also lists "*.INI" and "*.Ini".
QString AnyCasePatterns(const CString& strPattern)
{
    const QString strLower = AnsiToQString(strPattern);
    const qsizetype nDot = strLower.lastIndexOf(QLatin1Char('.'));
    if (nDot < 0 || nDot + 1 >= strLower.size())
        return strLower;
    const QString strExt = strLower.mid(nDot + 1);
    const QString strStem = strLower.left(nDot + 1);
    const QString strCapital = strExt.left(1).toUpper() + strExt.mid(1).toLower();
    return QStringList{strLower, strStem + strExt.toUpper(), strStem + strCapital}.join(QLatin1Char(' '));
}

class CQtBackend : public IWindowBackend {
public:
    std::unique_ptr<CDialogWindow> CreateDialogWindow(const DialogTemplate& tmpl, IDialogSite& site,
                                                      CDialogWindow* pOwner) override
    {
        auto* pOwnerWindow = dynamic_cast<CQtDialogWindow*>(pOwner);
        QWidget* pParent = pOwnerWindow ? pOwnerWindow->Widget() : nullptr;
        return std::make_unique<CQtDialogWindow>(tmpl, site, pParent);
    }

    int MessageBox(const CDisplayText& strText, const CString& strCaption, UINT nType) override
    {
        CQtMessageBox box(MessageBoxButtons::ForType(nType), AnsiToQString(strCaption),
                          QString::fromStdU16String(strText.Utf16()), MessageIcon(nType),
                          QApplication::activeModalWidget());
        return box.Ask();
    }

    // The name box offers the suggested name and keeps it while the user moves between
    // folders, so Open in a folder without such a file names a new one there.
    bool PromptForFile(const OpenFileRequest& request, CString& strPath) override
    {
        QFileDialog dialog(QApplication::activeModalWidget(), AnsiToQString(request.strTitle), QDir::currentPath());
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::AnyFile);
        QStringList filters;
        for (const FileFilter& filter : request.filters)
            filters.append(
                QStringLiteral("%1 (%2)").arg(AnsiToQString(filter.strName), AnyCasePatterns(filter.strPattern)));
        dialog.setNameFilters(filters);
        dialog.selectFile(AnsiToQString(request.strSuggestedName));
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return false;
        const QByteArray path = QFile::encodeName(dialog.selectedFiles().constFirst());
        strPath = CString(path.constData(), static_cast<int>(path.size()));
        return true;
    }
};
}  // namespace

std::unique_ptr<IWindowBackend> CreateQtBackend() { return std::make_unique<CQtBackend>(); }

int RunQtApplication(int argc, char** argv, std::string& strProblem)
{
    if (!IsSet("DISPLAY") && !IsSet("WAYLAND_DISPLAY") && !IsSet("QT_QPA_PLATFORM"))
        strProblem = "no display available (set DISPLAY or WAYLAND_DISPLAY)";
    else if (WillUseX11() && !CDisplayProbe::IsX11DisplayReachable(std::getenv("DISPLAY")))
        strProblem = std::string("cannot connect to display ") + std::getenv("DISPLAY");
    if (!strProblem.empty())
        return 1;
    QApplication app(argc, argv);
    CQtBackend backend;
    return AfxWinMain(argc, argv, backend);
}
