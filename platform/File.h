#pragma once

#include "String.h"

#include <cstdio>
#include <vector>

// A file as the framework opens it. Failures of Open are reported by its result (and
// errno, kept in m_nLastError); Read and Write report what they moved.
class CFile {
public:
    enum OpenFlags : UINT {
        modeRead = 0x0000,
        modeWrite = 0x0001,
        modeReadWrite = 0x0002,
        modeCreate = 0x1000,
    };

    CFile() = default;
    ~CFile();
    CFile(const CFile&) = delete;
    CFile& operator=(const CFile&) = delete;

    // pError is accepted for the framework's signature and never written.
    BOOL Open(const char* pszFileName, UINT nOpenFlags, void* pError = nullptr);
    // Returns how many bytes were read: fewer than nCount only at the end of the file.
    UINT Read(void* pBuf, UINT nCount);
    // Returns FALSE when not every byte could be written.
    BOOL Write(const void* pBuf, UINT nCount);
    // Reads from the current position to the end of the file into bytes. FALSE on a
    // read error (see GetLastError); bytes then holds what was read before it.
    bool ReadAll(std::vector<BYTE>& bytes);
    BOOL Close();
    // The length of the open file, or -1 when it cannot be told.
    long long GetLength() const;
    bool IsOpen() const { return m_fd >= 0; }
    const CString& GetFilePath() const { return m_strFileName; }
    int GetLastError() const { return m_nLastError; }

private:
    int m_fd = -1;
    int m_nLastError = 0;
    CString m_strFileName;
};
