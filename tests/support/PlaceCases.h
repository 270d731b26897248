#pragma once

#include "CatalogPlace.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

// A path given at start and the folder (under the test's folder) and file it names; a
// null folder where the path is refused, with a part of the message when one is given.
struct PlaceCase {
    const char* pszPath;
    const char* pszFolder;
    const char* pszFileOrError;
};

// Paths that mean the same on every system, in a test folder holding sub/other.dat.
inline const std::vector<PlaceCase> kPlacesOnEverySystem = {
    {"sub", "/sub", "Progr.ini"},
    {"sub/", "/sub", "Progr.ini"},
    {".", "", "Progr.ini"},
    {"sub/other.dat", "/sub", "other.dat"},
    {"sub/NEW.Ini", "/sub", "NEW.Ini"},
    {"sub/nosuch.dat", nullptr, "no such file or folder"},
    {"nosuch/", nullptr, "'nosuch/': no such folder"},
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
