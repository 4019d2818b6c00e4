// SPDX-License-Identifier: GPL-3.0-or-later
#include "numbertext.h"
#include "testprint.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace {

TEST(ReadNumber, ReadsTheLeadingNumberLeniently)
{
    const struct {
        QString text;
        double value;
    } cases[] = {{u"12"_s, 12},       {u" .5"_s, 0.5},      {u"3×4"_s, 3},     {u"1 2"_s, 12},
                 {u"x"_s, 0},         {u""_s, 0},           {u"40=40"_s, 40},  {u"25%"_s, 25},
                 {u"-7.25"_s, -7.25}, {u"+3"_s, 3},         {u"1.2.3"_s, 1.2}, {u"2E3"_s, 2000},
                 {u"2e-2"_s, 0.02},   {u"2D+2"_s, 200},     {u"2E"_s, 2},      {u"2E+"_s, 2},
                 {u"5."_s, 5},        {u"."_s, 0},          {u"-"_s, 0},       {u"\t1\n0"_s, 10},
                 {u"1E-400"_s, 0},    {u"12       "_s, 12}, {u"０"_s, 0}};
    for (const auto &c : cases)
        EXPECT_EQ(ReadNumber(c.text), c.value) << c.text.toStdString();
}

TEST(ReadNumber, OverflowReadsAsInfinity)
{
    EXPECT_TRUE(std::isinf(ReadNumber(u"1E400"_s)));
    EXPECT_TRUE(std::isinf(ReadNumber(QString(400, u'9'))));
    EXPECT_LT(ReadNumber(u"-1E400"_s), 0);
}

TEST(StrictNumber, AcceptsOnlyAWholeNumber)
{
    const struct {
        QString text;
        double value;
    } good[] = {{u" 12       "_s, 12}, {u"0.75"_s, 0.75}, {u" 0.5"_s, 0.5}, {u"12        "_s, 12},
                {u"-3"_s, -3},         {u"1e3"_s, 1000},  {u".5"_s, 0.5},   {u"5."_s, 5}};
    for (const auto &c : good) {
        const auto value = StrictNumber(c.text);
        ASSERT_TRUE(value.has_value()) << c.text.toStdString();
        EXPECT_EQ(*value, c.value) << c.text.toStdString();
    }
    for (const QString &text : {u"25%"_s, u"3/4"_s, u""_s, u"          "_s, u"1 2"_s, u"12a"_s,
                                u"."_s, u"1e"_s, u"2D2"_s, u"1E400"_s, u"--1"_s})
        EXPECT_FALSE(StrictNumber(text).has_value()) << text.toStdString();
}

TEST(NumberText, WritesAtMostFifteenDigits)
{
    const struct {
        double value;
        QString text;
        QString spaced;
    } cases[] = {{12, u"12"_s, u" 12"_s},
                 {0.5, u"0.5"_s, u" .5"_s},
                 {-0.5, u"-0.5"_s, u"-.5"_s},
                 {-4, u"-4"_s, u"-4"_s},
                 {0, u"0"_s, u" 0"_s},
                 {-0.0, u"0"_s, u" 0"_s},
                 {1.0 / 3, u"0.333333333333333"_s, u" .333333333333333"_s},
                 {2.0 / 3, u"0.666666666666667"_s, u" .666666666666667"_s},
                 {1e20, u"1E+20"_s, u" 1E+20"_s},
                 {1.5e-7, u"1.5E-07"_s, u" 1.5E-07"_s},
                 {123456789012345.0, u"123456789012345"_s, u" 123456789012345"_s},
                 {0.1 + 0.2, u"0.3"_s, u" .3"_s},
                 {2.50, u"2.5"_s, u" 2.5"_s}};
    for (const auto &c : cases) {
        EXPECT_EQ(NumberText(c.value), c.text);
        EXPECT_EQ(SpacedNumberText(c.value), c.spaced);
    }
}

TEST(NumberText, RoundTripsThroughReadNumber)
{
    for (double v : {1e20, 1.5e-7, -2.75, 1e15, 123.456, 1e-5})
        EXPECT_EQ(ReadNumber(NumberText(v)), v);
    EXPECT_EQ(RoundToPrintedDigits(1.0 / 3), 0.333333333333333);
}

} // namespace
