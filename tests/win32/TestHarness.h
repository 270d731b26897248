#pragma once

#include <cstdio>
#include <functional>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

// A small test runner for the cross-built programs: Debian ships no GoogleTest for
// MinGW. Checks record a failure and go on; the program's exit code is 0 only when
// every test passed.
class CTestHarness {
public:
    using TestFn = std::function<void()>;

    static CTestHarness& Get()
    {
        static CTestHarness harness;
        return harness;
    }
    int Register(const char* pszName, TestFn fn)
    {
        m_tests.push_back({pszName, std::move(fn)});
        return 0;
    }
    void Fail(const char* pszFile, int nLine, const std::string& strWhat)
    {
        ++m_nFailures;
        std::printf("%s:%d: failure in %s: %s\n", pszFile, nLine, m_pszCurrent, strWhat.c_str());
        std::fflush(stdout);
    }
    // Runs the tests whose names contain pszFilter (all when null).
    int RunAll(const char* pszFilter)
    {
        int nFailedTests = 0, nRun = 0;
        for (const Test& test : m_tests) {
            if (pszFilter && test.strName.find(pszFilter) == std::string::npos)
                continue;
            m_pszCurrent = test.strName.c_str();
            const int nBefore = m_nFailures;
            test.fn();
            ++nRun;
            const bool bPassed = m_nFailures == nBefore;
            nFailedTests += bPassed ? 0 : 1;
            std::printf("[%s] %s\n", bPassed ? "  OK  " : "FAILED", test.strName.c_str());
            std::fflush(stdout);
        }
        std::printf("%d tests, %d failed\n", nRun, nFailedTests);
        return nRun > 0 && nFailedTests == 0 ? 0 : 1;
    }

private:
    struct Test {
        std::string strName;
        TestFn fn;
    };
    std::vector<Test> m_tests;
    int m_nFailures = 0;
    const char* m_pszCurrent = "";
};

template <class A, class B> std::ostream& operator<<(std::ostream& out, const std::pair<A, B>& value)
{
    return out << "(" << value.first << ", " << value.second << ")";
}

template <class A, class B> std::string DescribeMismatch(const A& a, const B& b)
{
    std::ostringstream out;
    out << "got " << a << ", expected " << b;
    return out.str();
}

#define WIN32_TEST(name)                                                                      \
    static void name();                                                                       \
    static const int name##_registered = CTestHarness::Get().Register(#name, &name);          \
    static void name()

#define CHECK(cond)                                                                           \
    do {                                                                                      \
        if (!(cond))                                                                          \
            CTestHarness::Get().Fail(__FILE__, __LINE__, #cond);                              \
    } while (0)

#define CHECK_EQ(actual, expected)                                                            \
    do {                                                                                      \
        const auto a_ = (actual);                                                             \
        const auto e_ = (expected);                                                           \
        if (!(a_ == e_))                                                                      \
            CTestHarness::Get().Fail(__FILE__, __LINE__,                                      \
                                     std::string(#actual " == " #expected ": ") + DescribeMismatch(a_, e_)); \
    } while (0)
