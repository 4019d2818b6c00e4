// SPDX-License-Identifier: GPL-3.0-or-later
#include "printingmessages.h"

#include "printsettings.h"

#include <QDir>

using namespace Qt::Literals::StringLiterals;

namespace PrintingMessages {

Message unusableSettings(const QList<UnusableSetting> &unusable)
{
    return Message{u"打印设置"_s, UnusableSettingsText(unusable), Message::Icon::Warning};
}

Message noPrinter()
{
    return Message{u"打印"_s,
                   u"没有找到打印机，试卷没有打印。\r\n"
                   u"可以用“导出PDF”把试卷存成文件，再拿到有打印机的地方打印。"_s,
                   Message::Icon::Warning};
}

Message noDefaultPrinter(const QString &printer)
{
    return Message{u"打印"_s,
                   u"系统里没有设置默认打印机，这次用打印机“"_s + printer +
                       u"”打印。\r\n"
                       u"要用别的打印机，请在系统里设一台默认打印机，或者用“导出PDF”。"_s,
                   Message::Icon::Information};
}

Message copiesCapped()
{
    const QString most = QString::number(MaxCopies);
    return Message{u"打印"_s, u"一次最多打印 "_s + most + u" 份，这次打印 "_s + most + u" 份。"_s,
                   Message::Icon::Information};
}

Message nothingPrinted()
{
    return Message{u"打印"_s,
                   u"打印份数不到 1 份，什么也没有打印。\r\n"
                   u"请在“页面设置”的“打印份数”里填 1 到 "_s +
                       QString::number(MaxCopies) + u"。"_s,
                   Message::Icon::Warning};
}

Message notAllPlaced(const QString &what)
{
    return Message{u"打印"_s,
                   what + u"有一部分在纸上排不下，没有排上。\r\n"
                          u"请在“页面设置”里把边距或字号改小一些。"_s,
                   Message::Icon::Warning};
}

Message noPaperForKey()
{
    return Message{u"答案"_s, u"还没有组卷，没有答案可以打印。\r\n请先在测试窗口里点“组  卷”。"_s,
                   Message::Icon::Information};
}

Message keyBeforeHandIn()
{
    return Message{u"答案"_s, u"交卷以后才能看答案。\r\n请先做完试卷，在测试窗口里点“交  卷”。"_s,
                   Message::Icon::Information};
}

Message printFailed(int taken, int asked)
{
    const QString asking = u"要打印 "_s + QString::number(asked) + u" 份，"_s;
    const QString count = taken == 0
                              ? QString(asking + u"一份也没有接收。"_s)
                              : asking + u"只接收了 "_s + QString::number(taken) + u" 份。"_s;
    return Message{u"打印"_s,
                   u"打印机没有接收这份试卷。\r\n"_s + count + u"\r\n请检查打印机，再试一次。"_s,
                   Message::Icon::Warning};
}

Message printServiceSilent()
{
    return Message{u"打印"_s,
                   u"打印服务没有响应，试卷没有打印。\r\n"
                   u"请过一会儿再试；也可以用“导出PDF”把试卷存成文件。"_s,
                   Message::Icon::Warning};
}

Message pdfFailed(const QString &path, const QString &reason)
{
    return Message{u"导出PDF"_s,
                   u"试卷没能写进这个文件：\r\n"_s + QDir::toNativeSeparators(path) + u"\r\n"_s +
                       reason + u"\r\n请换一个文件夹或文件名再试。"_s,
                   Message::Icon::Warning};
}

} // namespace PrintingMessages
