// SPDX-License-Identifier: GPL-3.0-or-later
#include "practicetally.h"
#include "testprint.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

TEST(PracticeTally, RateCountAndLogAfterEachVerdict)
{
    PracticeTally tally;
    const struct {
        bool right;
        int ProblemNo;
        QString rate;
        QString count;
    } steps[] = {{true, 2, u"对题率：100%"_s, u"对题数：1"_s},
                 {false, 3, u"对题率：50%"_s, u"对题数：1"_s},
                 {true, 4, u"对题率：67%"_s, u"对题数：2"_s}};
    for (const auto &step : steps) {
        const auto labels = tally.RecordVerdict(step.right, step.ProblemNo);
        EXPECT_EQ(labels.rate, step.rate);
        EXPECT_EQ(labels.count, step.count);
    }
    EXPECT_EQ(tally.log(), u"第1题对\r\n第2题错\r\n第3题对\r\n"_s);
}

TEST(PracticeTally, HalvesRoundToEven)
{
    PracticeTally tally;
    // 1 of 8 right is 12.5%, which rounds to 12.
    tally.RecordVerdict(true, 2);
    for (int problem = 3; problem <= 9; ++problem)
        tally.RecordVerdict(false, problem);
    EXPECT_EQ(tally.RightRate(), 12);
}

TEST(PracticeTally, RateStaysWithinAHundredAfterTheBankWrapsAround)
{
    PracticeTally tally;
    for (int round = 0; round < 3; ++round) {
        for (int problem = 2; problem <= 5; ++problem)
            tally.RecordVerdict(true, problem);
    }
    EXPECT_EQ(tally.RightCount(), 12);
    EXPECT_EQ(tally.RightRate(), 100);
    EXPECT_TRUE(tally.log().endsWith(u"第4题对\r\n"_s));
    tally.reset();
    EXPECT_EQ(tally.currentLabels().rate, u"对题率：0%"_s);
    EXPECT_TRUE(tally.log().isEmpty());
}

} // namespace
