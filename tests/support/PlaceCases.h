#pragma once

#include "CatalogPlace.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// A path given at start and the folder (under the test's folder) and file it names; a
// null folder where the path is refused, with a part of the message when one is given.
struct PlaceCase {
    const char* pszPath;
    const char* pszFolder;
    const char* pszFileOrError;
};

// Resolves each case's path from the test's folder strBase. With a separator, the path
// shown to the user is checked as well.
inline void ExpectPlaces(const std::vector<PlaceCase>& cases, const std::string& strBase,
                         const char* pszSeparator = nullptr)
{
    for (const PlaceCase& c : cases) {
        SCOPED_TRACE(c.pszPath);
        CCatalogPlace place;
        CString strError;
        const bool bOk = CCatalogPlace::Resolve(c.pszPath, place, strError);
        ASSERT_EQ(bOk, c.pszFolder != nullptr) << strError.GetString();
        if (bOk) {
            EXPECT_EQ(place.m_strFolder.Str(), strBase + c.pszFolder);
            EXPECT_STREQ(place.m_strFile, c.pszFileOrError);
            if (pszSeparator) {
                EXPECT_EQ(place.DisplayPath().Str(), strBase + c.pszFolder + pszSeparator + c.pszFileOrError);
            }
        } else if (c.pszFileOrError) {
            EXPECT_NE(strError.Str().find(c.pszFileOrError), std::string::npos) << strError.GetString();
        }
    }
}
