// SPDX-License-Identifier: GPL-3.0-or-later
#include "ratio.h"
#include "testprint.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

struct RewriteCase {
    QString text;
    QString quotients;
};

void PrintTo(const RewriteCase &c, std::ostream *out)
{
    *out << c.text.toStdString();
}

class RatioRewrite : public testing::TestWithParam<RewriteCase> {};

TEST_P(RatioRewrite, BracketsEachTerm)
{
    EXPECT_EQ(RatiosAsQuotients(GetParam().text), GetParam().quotients);
}

INSTANTIATE_TEST_SUITE_P(
    Terms, RatioRewrite,
    testing::Values(
        RewriteCase{u"3:4"_s, u"(3)/(4)"_s}, RewriteCase{u"1:40*100000"_s, u"(1)/(40*100000)"_s},
        RewriteCase{u"x:(44-x)=1/5:1/6"_s, u"(x)/((44-x))=(1/5)/(1/6)"_s},
        RewriteCase{u"1+2:3*2-1"_s, u"1+(2)/(3*2)-1"_s},
        RewriteCase{u"(2+6:3)*2"_s, u"(2+(6)/(3))*2"_s}, RewriteCase{u"8:4:2"_s, u"(8)/(4)/(2)"_s},
        RewriteCase{u"-3:4"_s, u"-(3)/(4)"_s}, RewriteCase{u"3:-4"_s, u"(3)/(-4)"_s},
        RewriteCase{u"2*-3:4"_s, u"(2*-3)/(4)"_s}, RewriteCase{u"1E-3:2"_s, u"(1E-3)/(2)"_s},
        RewriteCase{u"3 : 4 + 1"_s, u"(3 )/( 4 )+ 1"_s},
        RewriteCase{u"75%:25%"_s, u"(75%)/(25%)"_s}, RewriteCase{u"12"_s, u"12"_s},
        RewriteCase{u""_s, u""_s}));

// Brackets go in only in pairs: what was unmatched stays unmatched, an empty term stays empty.
INSTANTIATE_TEST_SUITE_P(
    Damaged, RatioRewrite,
    testing::Values(RewriteCase{u"(3:4"_s, u"((3)/(4)"_s}, RewriteCase{u"3:4)"_s, u"(3)/(4))"_s},
                    RewriteCase{u")3:4("_s, u")(3)/(4()"_s}, RewriteCase{u"3:"_s, u"(3)/()"_s},
                    RewriteCase{u":"_s, u"()/()"_s}, RewriteCase{u"3::4"_s, u"(3)/()/(4)"_s},
                    RewriteCase{u"(:4)"_s, u"(()/(4))"_s}));

} // namespace
