#pragma once

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>

// A fresh folder for a test's files under the system's temporary folder, and its removal
// with everything in it, also when a test left it unwritable.
inline std::string MakeTempFolder()
{
    std::random_device seed;
    std::mt19937 random(seed());
    const std::filesystem::path base = std::filesystem::temp_directory_path();
    for (int nTry = 0; nTry < 100; ++nTry) {
        const std::filesystem::path path = base / ("orvane-test-" + std::to_string(random()));
        std::error_code ec;
        if (std::filesystem::create_directory(path, ec))
            return path.string();
    }
    return std::string();
}

inline void RemoveTempFolder(const std::string& strPath)
{
    if (strPath.empty())
        return;
#ifdef _WIN32
    std::error_code ec;
    std::filesystem::remove_all(strPath, ec);
    if (ec)
        std::fprintf(stderr, "could not remove %s\n", strPath.c_str());
#else
    const std::string cmd = "chmod -R u+rwx '" + strPath + "' && rm -rf '" + strPath + "'";
    if (std::system(cmd.c_str()) != 0)
        std::fprintf(stderr, "could not remove %s\n", strPath.c_str());
#endif
}
