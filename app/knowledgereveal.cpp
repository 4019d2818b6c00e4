// SPDX-License-Identifier: GPL-3.0-or-later
#include "knowledgereveal.h"

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

const std::array<KnowledgePassage, 5> &KnowledgePassages()
{
    static const std::array<KnowledgePassage, 5> passages{{
        {u"Label1"_s, 1, u"应用题的基本组成：已知数量+数量关系+所求问题 "_s},
        {u"Label2"_s, 30, u"解题方法分析：数量关系是连接已知数量和所求问题的桥梁， 因此，"_s},
        {u"Label3"_s, 60,
         u"找出题目的数量关系是正确解答题目的关键，只要找出了数量关系我们就可以用数量关系把已知条件"
         u"和"
         u"所求问题联系起来。所以我们在解题时首先要找出数量关系，然后再把已知数量和所求问题代入数量"
         u"关"
         u"系，就可以找出算式或方程了。在练习过程中要学会找数量关系并熟记常用数量关系（这是关键），"
         u"通"
         u"过练习达到读题后就能很快找出题目的数量关系的程度，这样解应用题就易如反掌了。"_s},
        {u"Label11"_s, 240, u" 使用效果：这种解题方法抓住了应用题最本质的东西，经过多年的"_s},
        {u"Label13"_s, 270,
         u"试验证明效果很好，掌握了这种解题方法，无论是小学还是中学的应用题完全可以自学掌握，真正达"
         u"到"
         u"提高自学能力的目的。您可以尝试一下。有什么问题可与我们联系。"_s},
    }};
    return passages;
}

void KnowledgeReveal::load()
{
    m_ticks = 0;
    for (QString &text : m_revealed)
        text.clear();
}

QList<int> KnowledgeReveal::tick()
{
    if (m_ticks > lastTick())
        return {};
    ++m_ticks;
    QList<int> grown;
    for (int i = 0; i < int(m_revealed.size()); ++i) {
        const KnowledgePassage &passage = KnowledgePassages()[i];
        const int position = m_ticks - passage.startTick; // 0-based character index
        if (position < 0 || position >= passage.text.size())
            continue;
        m_revealed[i] += passage.text.at(position);
        grown.append(i);
    }
    return grown;
}

QString KnowledgeReveal::revealed(int passage) const
{
    if (passage < 0 || passage >= int(m_revealed.size()))
        return {};
    return m_revealed[passage];
}

bool KnowledgeReveal::complete() const
{
    return m_ticks >= lastTick();
}

int KnowledgeReveal::lastTick()
{
    int last = 0;
    for (const KnowledgePassage &passage : KnowledgePassages())
        last = std::max(last, passage.startTick + int(passage.text.size()) - 1);
    return last;
}
