#include "File.h"
#include "ShareRetry.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <numeric>
#include <vector>

namespace {

// A hold that lasts nHeldTries tries of the call, and the pauses taken meanwhile.
class ShareRetryTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        CShareRetry::SetPause([this](int nMs) { m_pauses.push_back(nMs); });
    }
    void TearDown() override { CShareRetry::SetPause(nullptr); }

    int Run(int nHeldTries, int nThen = 0)
    {
        return CShareRetry::Run(
            [&] {
                ++m_nTries;
                return m_nTries <= nHeldTries ? CFile::errSharingViolation : nThen;
            },
            CFile::errSharingViolation);
    }
    int Waited() const { return std::accumulate(m_pauses.begin(), m_pauses.end(), 0); }

    int m_nTries = 0;
    std::vector<int> m_pauses;
};

TEST_F(ShareRetryTest, PausesGrowToAFifthOfASecondAndEndAtTheLimit)
{
    const std::pair<int, int> schedule[] = {{0, 10},    {10, 20},   {30, 40},  {70, 80}, {150, 160},
                                            {310, 200}, {710, 200}, {910, 90}, {1000, 0}, {5000, 0}};
    for (const auto& [nWaited, nPause] : schedule)
        EXPECT_EQ(CShareRetry::NextPause(nWaited), nPause) << nWaited;
}

TEST_F(ShareRetryTest, AHoldReleasedWithinTheWaitLetsTheCallThrough)
{
    EXPECT_EQ(Run(3), 0);
    EXPECT_EQ(m_nTries, 4);
    EXPECT_EQ(m_pauses, (std::vector<int>{10, 20, 40}));
}

TEST_F(ShareRetryTest, AHoldThatOutlastsTheWaitIsReportedAfterASecond)
{
    EXPECT_EQ(Run(1000), CFile::errSharingViolation);
    EXPECT_EQ(Waited(), CShareRetry::WaitLimitMs);
    EXPECT_EQ(m_nTries, static_cast<int>(m_pauses.size()) + 1);
}

TEST_F(ShareRetryTest, OtherOutcomesAreNotRetried)
{
    for (int nResult : {0, EACCES, ENOENT}) {
        m_nTries = 0;
        EXPECT_EQ(Run(0, nResult), nResult);
        EXPECT_EQ(m_nTries, 1);
    }
    EXPECT_TRUE(m_pauses.empty());
    // A hold that gives way to another failure ends the wait with that failure.
    EXPECT_EQ(Run(2, EACCES), EACCES);
}

}  // namespace
