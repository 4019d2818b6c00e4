// SPDX-License-Identifier: GPL-3.0-or-later
#include "testmessages.h"

#include "papersaver.h"

using namespace Qt::Literals::StringLiterals;

namespace TestMessages {

Message PaperNotReady()
{
    return Message{u"操作提示"_s, u"试题没有准备好，\r\n请准备好试题再试"_s,
                   Message::Icon::Critical};
}

Message ExpressionError()
{
    return Message{u"Lumaro"_s, u"表达式错误"_s, Message::Icon::None};
}

Message SaveFailed(const SaveOutcome &outcome)
{
    return Message{u"保存试卷"_s,
                   u"试卷没有保存：\r\n"_s + outcome.Error + u"\r\n"_s + outcome.Path,
                   Message::Icon::Critical};
}

} // namespace TestMessages
