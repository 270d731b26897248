#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>

// A broken promise ends the run as a crash does, so that libFuzzer keeps the input and a
// replay of the corpus fails; the message says which promise and shows the values.
[[noreturn]] inline void FuzzFailure(const char* pszPromise, const std::string& strDetail)
{
    std::fprintf(stderr, "broken promise: %s\n%s\n", pszPromise, strDetail.c_str());
    std::abort();
}

// The detail is only made for a failure, since most checks run millions of times.
#define FUZZ_REQUIRE(bHolds, detail)              \
    do {                                          \
        if (!(bHolds))                            \
            FuzzFailure(#bHolds, (detail));       \
    } while (false)

// Bytes as a message shows them: "41 C3 A9".
inline std::string FuzzHex(const void* pData, std::size_t nSize)
{
    static const char kDigits[] = "0123456789ABCDEF";
    std::string out;
    const unsigned char* p = static_cast<const unsigned char*>(pData);
    for (std::size_t i = 0; i < nSize; ++i) {
        out += i ? " " : "";
        out += kDigits[p[i] >> 4];
        out += kDigits[p[i] & 0xF];
    }
    return out;
}

inline std::string FuzzHex(const std::string& s)
{
    return FuzzHex(s.data(), s.size());
}
