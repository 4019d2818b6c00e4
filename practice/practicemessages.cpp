// SPDX-License-Identifier: GPL-3.0-or-later
#include "practicemessages.h"

using namespace Qt::Literals::StringLiterals;

namespace PracticeMessages {

Message NotReady()
{
    return Message{u"操作提示"_s, u"试题没有准备好，\r\n请准备好试题再试"_s,
                   Message::Icon::Critical};
}

Message ExpressionError()
{
    return Message{u"Lumaro"_s, u"表达式错误"_s, Message::Icon::None};
}

} // namespace PracticeMessages
