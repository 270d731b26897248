#pragma once

#include "CatalogFile.h"
#include "CatalogPlace.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

// A path given at start and the folder (under the test's folder) and file it names; a
// null folder where the path is refused, with a part of the message when one is given.
struct PlaceCase {
    const char* pszPath;
    const char* pszFolder;
    const char* pszFileOrError;
};

// A folder whose name no single ANSI code page can spell, holding a catalogue.
inline const char* const kUnicodeFolder = u8"\u0395\u03BB\u03BB\u03B7\u03BD\u03B9\u03BA\u03AC \u65E5\u672C";

inline void MakeUnicodeFolder()
{
    const std::filesystem::path folder = std::filesystem::u8path(kUnicodeFolder);
    ASSERT_TRUE(std::filesystem::create_directory(folder));
    std::ofstream(folder / "Progr.ini") << "x";
}

// Paths given in a test folder that holds sub/other.dat and the Unicode folder, and on
// POSIX also sub/Progr.ini, cat.INI, a FIFO pipe.ini and a symbolic link to sub.
inline const std::vector<PlaceCase> kPlaces = {
    {"sub", "/sub", "Progr.ini"},
    {"sub/", "/sub", "Progr.ini"},
    {".", "", "Progr.ini"},
    {"sub/Progr.ini", "/sub", "Progr.ini"},
    {"sub/other.dat", "/sub", "other.dat"},
    {"new.ini", "", "new.ini"},
    {"sub/NEW.Ini", "/sub", "NEW.Ini"},
    {"nosuch", nullptr, "'nosuch': no such file or folder"},
    {"sub/nosuch.dat", nullptr, "no such file or folder"},
    {"nosuch/Progr.ini", nullptr, "no such file or folder"},
    {"nosuch/", nullptr, "'nosuch/': no such folder"},
    {".ini", nullptr, "no such file or folder"},
    {"", nullptr, "no such file or folder"},
    {u8"\u0395\u03BB\u03BB\u03B7\u03BD\u03B9\u03BA\u03AC \u65E5\u672C",
     u8"/\u0395\u03BB\u03BB\u03B7\u03BD\u03B9\u03BA\u03AC \u65E5\u672C", "Progr.ini"},
    {u8"\u0395\u03BB\u03BB\u03B7\u03BD\u03B9\u03BA\u03AC \u65E5\u672C/\u0416\u0443\u043A.ini",
     u8"/\u0395\u03BB\u03BB\u03B7\u03BD\u03B9\u03BA\u03AC \u65E5\u672C", u8"\u0416\u0443\u043A.ini"},
    {u8"sub/\u0416\u0443\u043A", nullptr, u8"'sub/\u0416\u0443\u043A': no such file or folder"},
#ifndef _WIN32
    {"link", "/sub", "Progr.ini"},
    {"link/Progr.ini", "/sub", "Progr.ini"},
    {"cat.INI", "", "cat.INI"},
    {"pipe.ini", nullptr, "'pipe.ini': not a catalogue file or a folder"},
    {"cat.INI/", nullptr, "not a folder"},
    {"cat.INI/x.ini", nullptr, "no such file or folder"},
#endif
};

// Resolves each case's path from the test's folder strBase and checks the place and the
// path shown for it, or the refusal. Each '/' of a folder stands for chSeparator, the
// system's; with bBackslashes each '/' of a path given, and so of its message, is '\'.
inline void ExpectPlaces(const std::vector<PlaceCase>& cases, const std::string& strBase, char chSeparator,
                         bool bBackslashes = false)
{
    const auto spelled = [](const char* psz, char ch) {
        std::string str = psz;
        std::replace(str.begin(), str.end(), '/', ch);
        return str;
    };
    const char chGiven = bBackslashes ? '\\' : '/';
    for (const PlaceCase& c : cases) {
        const std::string strPath = spelled(c.pszPath, chGiven);
        SCOPED_TRACE(strPath);
        CCatalogPlace place;
        CString strError;
        const bool bOk = CCatalogPlace::Resolve(strPath.c_str(), place, strError);
        ASSERT_EQ(bOk, c.pszFolder != nullptr) << strError.GetString();
        if (bOk) {
            const std::string strFolder = strBase + spelled(c.pszFolder, chSeparator);
            EXPECT_EQ(place.m_strFolder.Str(), strFolder);
            EXPECT_STREQ(place.m_strFile, c.pszFileOrError);
            EXPECT_EQ(place.DisplayPath().Str(), strFolder + chSeparator + c.pszFileOrError);
        } else if (c.pszFileOrError) {
            EXPECT_NE(strError.Str().find(spelled(c.pszFileOrError, chGiven)), std::string::npos) << strError.GetString();
        }
    }
}

// Entering the place strPath names makes strFolder working and pszFile the one edited,
// named by its whole path.
inline void ExpectEntered(const char* pszPath, const std::string& strFolder, const char* pszFile)
{
    CCatalogPlace place;
    CEditedFile file;
    CString strError;
    ASSERT_TRUE(CCatalogPlace::Resolve(pszPath, place, strError));
    ASSERT_TRUE(place.Enter(file, strError)) << strError.GetString();
    EXPECT_EQ(std::filesystem::current_path().u8string(), strFolder);
    EXPECT_STREQ(file.Path(), pszFile);
    EXPECT_EQ(file.ShownPath().Str(), place.DisplayPath().Str());
}
