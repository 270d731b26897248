#include "CatalogPlace.h"
#include "FuzzCheck.h"
#include "StartArguments.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

// The editor's command line and the place it names. The input is an argument vector
// (arguments end at a NUL byte), run in a scratch folder that holds folders, files, a
// FIFO and symbolic links; every path is kept inside that folder, so nothing else is
// ever looked at.
namespace {

namespace fs = std::filesystem;

std::string RealPath(const std::string& strPath)
{
    char szReal[PATH_MAX];
    return realpath(strPath.c_str(), szReal) ? szReal : "";
}

// Made once per process and removed when it ends.
class CScratchFolder {
public:
    CScratchFolder()
    {
        const fs::path base = fs::temp_directory_path() / "orvane-fuzz-XXXXXX";
        std::string strTemplate = base.string();
        if (!mkdtemp(strTemplate.data()))
            FuzzFailure("a scratch folder can be made", strTemplate);
        m_strPath = RealPath(strTemplate);
        fs::create_directory(m_strPath + "/sub");
        for (const char* pszFile : {"/sub/Progr.ini", "/sub/other.dat", "/cat.INI"})
            std::ofstream(m_strPath + pszFile) << "x";
        mkfifo((m_strPath + "/pipe.ini").c_str(), 0644);
        fs::create_directory_symlink("sub", m_strPath + "/link");
        fs::create_symlink("loop", m_strPath + "/loop");
        fs::create_symlink("nosuch.ini", m_strPath + "/dangling.ini");
    }
    ~CScratchFolder()
    {
        std::error_code error;
        fs::remove_all(m_strPath, error);
    }

    const std::string& Path() const { return m_strPath; }

private:
    std::string m_strPath;
};

// Works in a folder for one run and then returns, since libFuzzer reads its corpus and
// writes its findings by paths relative to where it was started.
class CWorkingFolder {
public:
    explicit CWorkingFolder(const std::string& strFolder) : m_fdOld(open(".", O_RDONLY | O_DIRECTORY))
    {
        if (m_fdOld < 0 || chdir(strFolder.c_str()) != 0)
            FuzzFailure("the scratch folder can be entered", strFolder);
    }
    ~CWorkingFolder()
    {
        if (fchdir(m_fdOld) != 0)
            FuzzFailure("the starting folder can be entered again", "");
        close(m_fdOld);
    }
    CWorkingFolder(const CWorkingFolder&) = delete;
    CWorkingFolder& operator=(const CWorkingFolder&) = delete;

private:
    int m_fdOld;
};

// An argument as the input gives it, kept inside the scratch folder: an absolute path
// starts there, and ".." is no way out.
std::string KeptInside(const std::string& strArg, const std::string& strScratch)
{
    std::string strKept = strArg[0] == '/' ? strScratch + strArg : strArg;
    for (std::size_t nStart = 0; nStart <= strKept.size();) {
        std::size_t nEnd = strKept.find('/', nStart);
        if (nEnd == std::string::npos)
            nEnd = strKept.size();
        if (strKept.compare(nStart, nEnd - nStart, "..") == 0)
            strKept[nStart] = '_';
        nStart = nEnd + 1;
    }
    return strKept;
}

bool EndsWithIni(const std::string& strName)
{
    return strName.size() > 4 && strcasecmp(strName.c_str() + strName.size() - 4, ".ini") == 0;
}

// A place is an absolute folder without links inside the scratch folder, and a file in
// it that is a regular file or a new catalogue's name; it names itself again.
void CheckPlace(const CCatalogPlace& place, const std::string& strPath, const std::string& strScratch)
{
    const std::string& strFolder = place.m_strFolder.Str();
    const std::string& strFile = place.m_strFile.Str();
    const std::string strDetail = "path: " + strPath + "\nfolder: " + strFolder + "\nfile: " + strFile;
    FUZZ_REQUIRE(strFolder.compare(0, strScratch.size(), strScratch) == 0 && RealPath(strFolder) == strFolder,
                 strDetail);
    FUZZ_REQUIRE(!strFile.empty() && strFile.find('/') == std::string::npos, strDetail);
    const std::string strWhole = strFolder + "/" + strFile;
    struct stat st;
    FUZZ_REQUIRE(stat(strWhole.c_str(), &st) == 0 ? S_ISREG(st.st_mode) : EndsWithIni(strFile), strDetail);

    CCatalogPlace again;
    CString strError;
    FUZZ_REQUIRE(CCatalogPlace::Resolve(strWhole.c_str(), again, strError) && again.m_strFolder == place.m_strFolder &&
                     again.m_strFile == place.m_strFile,
                 strDetail + "\n" + strError.Str());
    CEditedFile file;
    FUZZ_REQUIRE(place.Enter(file, strError) && file.Path() == strFile && file.ShownPath().Str() == strWhole,
                 strDetail);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize)
{
    static const CScratchFolder scratch;
    const CWorkingFolder working(scratch.Path());
    std::vector<std::string> args{"orvane"};
    const std::string strInput(reinterpret_cast<const char*>(pData), nSize);
    for (std::size_t nStart = 0; nStart < nSize && args.size() < 16;) {
        const std::size_t nEnd = std::min(strInput.find('\0', nStart), nSize);
        args.push_back(KeptInside(strInput.substr(nStart, nEnd - nStart), scratch.Path()));
        nStart = nEnd + 1;
    }
    std::vector<const char*> argv;
    for (const std::string& strArg : args)
        argv.push_back(strArg.c_str());

    const CStartArguments parsed = CStartArguments::Parse(static_cast<int>(argv.size()), argv.data());
    if (parsed.m_nAction == CStartArguments::badArguments) {
        FUZZ_REQUIRE(!parsed.m_strMessage.IsEmpty(), FuzzHex(strInput));
        return 0;
    }
    if (parsed.m_nAction != CStartArguments::editPath)
        return 0;
    FUZZ_REQUIRE(std::find(args.begin() + 1, args.end(), parsed.m_strPath.Str()) != args.end(), FuzzHex(strInput));
    CCatalogPlace place;
    CString strError;
    if (CCatalogPlace::Resolve(parsed.m_strPath, place, strError))
        CheckPlace(place, parsed.m_strPath.Str(), scratch.Path());
    else
        FUZZ_REQUIRE(strError.Str().rfind("'" + parsed.m_strPath.Str() + "': ", 0) == 0, strError.Str());
    return 0;
}
