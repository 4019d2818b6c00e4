// SPDX-License-Identifier: GPL-3.0-or-later
#include "printingmessages.h"

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

Message printFailed()
{
    return Message{u"打印"_s, u"打印机没有接收这份试卷。\r\n请检查打印机，再试一次。"_s,
                   Message::Icon::Warning};
}

Message pdfFailed(const QString &path)
{
    return Message{u"导出PDF"_s,
                   u"试卷没能写进这个文件：\r\n"_s + QDir::toNativeSeparators(path) +
                       u"\r\n请换一个文件夹或文件名再试。"_s,
                   Message::Icon::Warning};
}

} // namespace PrintingMessages
