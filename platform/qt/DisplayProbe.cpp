#include "DisplayProbe.h"

#include <cerrno>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {
// Connects fd to addr, giving up after a short while so a dead host cannot stall start-up.
bool ConnectWithTimeout(int fd, const sockaddr* pAddr, socklen_t nLength)
{
    fcntl(fd, F_SETFL, fcntl(fd, F_GETFL, 0) | O_NONBLOCK);
    if (connect(fd, pAddr, nLength) == 0)
        return true;
    if (errno != EINPROGRESS)
        return false;
    pollfd pfd{fd, POLLOUT, 0};
    int nError = 0;
    socklen_t nSize = sizeof nError;
    return poll(&pfd, 1, 3000) == 1 && getsockopt(fd, SOL_SOCKET, SO_ERROR, &nError, &nSize) == 0 && nError == 0;
}
}  // namespace

bool CDisplayProbe::IsX11DisplayReachable(const std::string& strDisplay)
{
    const std::size_t nColon = strDisplay.rfind(':');
    if (nColon == std::string::npos || strDisplay.find('/') != std::string::npos)
        return true;
    const std::string strHost = strDisplay.substr(0, nColon);
    const char* pszNumber = strDisplay.c_str() + nColon + 1;
    char* pszEnd = nullptr;
    const long nDisplay = std::strtol(pszNumber, &pszEnd, 10);
    if (pszEnd == pszNumber || (*pszEnd && *pszEnd != '.') || nDisplay < 0 || nDisplay > 59535)
        return true;
    if (strHost.empty() || strHost == "unix")
        return ConnectUnix(static_cast<int>(nDisplay));
    return ConnectTcp(strHost, static_cast<int>(nDisplay));
}

bool CDisplayProbe::ConnectUnix(int nDisplay)
{
    const std::string strPath = "/tmp/.X11-unix/X" + std::to_string(nDisplay);
    // The server listens on an abstract socket and on the file; either will do.
    for (bool bAbstract : {true, false}) {
        sockaddr_un addr{};
        addr.sun_family = AF_UNIX;
        const std::size_t nOffset = bAbstract ? 1 : 0;
        std::memcpy(addr.sun_path + nOffset, strPath.c_str(), strPath.size());
        const auto nLength = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + nOffset + strPath.size() + (bAbstract ? 0 : 1));
        const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (fd < 0)
            return true;
        const bool bConnected = ConnectWithTimeout(fd, reinterpret_cast<const sockaddr*>(&addr), nLength);
        close(fd);
        if (bConnected)
            return true;
    }
    return false;
}

bool CDisplayProbe::ConnectTcp(const std::string& strHost, int nDisplay)
{
    addrinfo hints{};
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* pList = nullptr;
    if (getaddrinfo(strHost.c_str(), std::to_string(6000 + nDisplay).c_str(), &hints, &pList) != 0)
        return false;
    bool bConnected = false;
    for (addrinfo* p = pList; p && !bConnected; p = p->ai_next) {
        const int fd = socket(p->ai_family, p->ai_socktype | SOCK_CLOEXEC, p->ai_protocol);
        if (fd < 0)
            continue;
        bConnected = ConnectWithTimeout(fd, p->ai_addr, p->ai_addrlen);
        close(fd);
    }
    freeaddrinfo(pList);
    return bConnected;
}
