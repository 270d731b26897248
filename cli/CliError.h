#pragma once

#include <stdexcept>
#include <string>

// A failure that ends a subcommand. The dispatcher prints it on stderr as
// "orvane-cli: SUBJECT: message" and exits with its code.
class CCliError : public std::runtime_error {
public:
    CCliError(std::string strSubject, const std::string& strMessage, int nExitCode = 1)
        : std::runtime_error(strMessage), m_strSubject(std::move(strSubject)), m_nExitCode(nExitCode)
    {
    }

    const std::string& GetSubject() const { return m_strSubject; }
    int GetExitCode() const { return m_nExitCode; }

private:
    std::string m_strSubject;
    int m_nExitCode;
};
