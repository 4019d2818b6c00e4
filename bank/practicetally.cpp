// SPDX-License-Identifier: GPL-3.0-or-later
#include "practicetally.h"

#include <cmath>

using namespace Qt::Literals::StringLiterals;

PracticeTally::Labels PracticeTally::RecordVerdict(bool right, int problemNo)
{
    ++m_answered;
    if (right)
        ++m_rightCount;
    m_log += u"第"_s % QString::number(problemNo - 1) % (right ? u"题对"_s : u"题错"_s) % u"\r\n"_s;
    // nearbyint keeps the default rounding: halves go to the even neighbour.
    m_rightRate = int(std::nearbyint(double(m_rightCount) / m_answered * 100.0));
    return currentLabels();
}

PracticeTally::Labels PracticeTally::currentLabels() const
{
    return {u"对题率："_s % QString::number(m_rightRate) % u"%"_s,
            u"对题数："_s % QString::number(m_rightCount)};
}
