#include "DisplayProbe.h"

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <cstddef>
#include <cstring>
#include <netinet/in.h>
#include <string>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {
// Listens like an X server of display n: on the abstract unix socket, or on TCP port
// 6000 + n of the loopback address. Picks the first n that is free.
class FakeXServer {
public:
    explicit FakeXServer(bool bTcp)
    {
        for (int n = 470; n < 520 && m_nDisplay < 0; ++n) {
            const int fd = bTcp ? socket(AF_INET, SOCK_STREAM, 0) : socket(AF_UNIX, SOCK_STREAM, 0);
            if (fd >= 0 && (bTcp ? BindTcp(fd, n) : BindUnix(fd, n)) && listen(fd, 1) == 0) {
                m_fd = fd;
                m_nDisplay = n;
            } else if (fd >= 0) {
                close(fd);
            }
        }
    }
    ~FakeXServer()
    {
        if (m_fd >= 0)
            close(m_fd);
    }
    int Display() const { return m_nDisplay; }

private:
    static bool BindUnix(int fd, int n)
    {
        sockaddr_un addr{};
        addr.sun_family = AF_UNIX;
        const std::string strPath = "/tmp/.X11-unix/X" + std::to_string(n);
        std::memcpy(addr.sun_path + 1, strPath.c_str(), strPath.size());
        return bind(fd, reinterpret_cast<sockaddr*>(&addr),
                    static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + strPath.size())) == 0;
    }
    static bool BindTcp(int fd, int n)
    {
        sockaddr_in addr{};
        addr.sin_family = AF_INET;
        addr.sin_port = htons(static_cast<uint16_t>(6000 + n));
        addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        return bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) == 0;
    }
    int m_fd = -1;
    int m_nDisplay = -1;
};
}  // namespace

TEST(DisplayProbeTest, ReachesALocalServerAndNoticesAMissingOne)
{
    int nDisplay = -1;
    {
        FakeXServer server(false);
        nDisplay = server.Display();
        ASSERT_GE(nDisplay, 0);
        EXPECT_TRUE(CDisplayProbe::IsX11DisplayReachable(":" + std::to_string(nDisplay)));
        EXPECT_TRUE(CDisplayProbe::IsX11DisplayReachable("unix:" + std::to_string(nDisplay) + ".0"));
    }
    EXPECT_FALSE(CDisplayProbe::IsX11DisplayReachable(":" + std::to_string(nDisplay)));
}

TEST(DisplayProbeTest, ReachesAServerOverTcp)
{
    int nDisplay = -1;
    {
        FakeXServer server(true);
        nDisplay = server.Display();
        ASSERT_GE(nDisplay, 0);
        EXPECT_TRUE(CDisplayProbe::IsX11DisplayReachable("127.0.0.1:" + std::to_string(nDisplay) + ".0"));
    }
    EXPECT_FALSE(CDisplayProbe::IsX11DisplayReachable("127.0.0.1:" + std::to_string(nDisplay)));
}

TEST(DisplayProbeTest, LeavesNamesItCannotReadToTheWindowSystem)
{
    for (const char* pszName : {"", "nocolon", ":x", ":1x", "/private/tmp/launch/org.x:0"})
        EXPECT_TRUE(CDisplayProbe::IsX11DisplayReachable(pszName)) << pszName;
}
