#pragma once

// Counts a span of program-made changes on a counter that others read to tell them from
// the user's, and undoes the count when the span ends, also by an exception.
class CScopedCount {
public:
    explicit CScopedCount(int& nCount) : m_nCount(nCount) { ++m_nCount; }
    ~CScopedCount() { --m_nCount; }
    CScopedCount(const CScopedCount&) = delete;
    CScopedCount& operator=(const CScopedCount&) = delete;

private:
    int& m_nCount;
};
