// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainmessages.h"

#include "lumaroversion.h"

#include <QStringList>

using namespace Qt::Literals::StringLiterals;

namespace MainMessages {

Message Instructions()
{
    const QStringList lines{
        u"该软件概括了题目的各种答案，只要按标准输入软件"_s,
        u"就能做出正确判断。输入标准：1.有乘号的地方不能"_s,
        u"省略。2.乘号用*，除号用/，括号用英文括号，加号"_s,
        u"用+，减号用-。分数作除数要用括号"_s,
    };
    return Message{u"使用说明"_s, lines.join(u"\r\n"_s), Message::Icon::None};
}

Message Feedback()
{
    const QStringList lines{
        u"该软件我们进行了多次修改功能有很大提高"_s,
        u"这是这款软件的正式版本v" LUMARO_VERSION u",以后我们还"_s,
        u"会不断的补充完善。用户在使用过程中如果"_s,
        u"遇到问题或有什么建议可给我们留言："_s,
        u"Lumaro 制作组"_s,
        u"电子邮箱：feedback@lumaro.example"_s,
    };
    return Message{u"问题解答"_s, lines.join(u"\r\n"_s), Message::Icon::None};
}

Message AlreadyRunning()
{
    return Message{QString::fromUtf16(ProgramTitle), u"这程序已执行"_s, Message::Icon::Critical};
}

} // namespace MainMessages
