// SPDX-License-Identifier: GPL-3.0-or-later
#include "messageboxes.h"

#include <QMessageBox>
#include <QPushButton>

using namespace Qt::Literals::StringLiterals;

namespace {

QMessageBox::Icon boxIcon(Message::Icon icon)
{
    switch (icon) {
    case Message::Icon::Information:
        return QMessageBox::Information;
    case Message::Icon::Warning:
        return QMessageBox::Warning;
    case Message::Icon::Critical:
        return QMessageBox::Critical;
    case Message::Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

void WidgetMessageBoxes::show(const Message &message)
{
    QString text = message.text;
    text.replace(u"\r\n"_s, u"\n"_s);
    QMessageBox box(boxIcon(message.icon), message.title, text, QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

bool WidgetMessageBoxes::ask(const Question &question)
{
    QMessageBox box(QMessageBox::Question, question.title, question.text);
    box.setTextFormat(Qt::PlainText);
    QPushButton *goAhead = box.addButton(question.goAhead, QMessageBox::AcceptRole);
    QPushButton *stay = box.addButton(question.stay, QMessageBox::RejectRole);
    // Enter and Esc keep the pupil where the work is.
    box.setDefaultButton(stay);
    box.setEscapeButton(stay);
    box.exec();
    return box.clickedButton() == goAhead;
}

Question LeaveUnfinishedTestQuestion()
{
    return {u"Lumaro"_s, u"试卷还没有交，确定要离开吗？"_s, u"离开"_s, u"取消"_s};
}

Message NotReadyMessage()
{
    return {u"操作提示"_s, u"试题没有准备好，\r\n请准备好试题再试"_s, Message::Icon::Critical};
}

Message DamagedBankMessage()
{
    return {u"操作提示"_s, u"题库文件有错误，\r\n请重新安装本软件"_s, Message::Icon::Critical};
}

bool DamageNotice::due(bool damageFound, bool found)
{
    if (!damageFound || (found && m_told))
        return false;
    m_told = true;
    return true;
}

std::optional<Message> DamageNotice::messageAfter(bool damageFound, bool found)
{
    if (due(damageFound, found))
        return DamagedBankMessage();
    if (!found && !damageFound)
        return NotReadyMessage();
    return std::nullopt;
}

Message ExpressionErrorMessage()
{
    return {u"Lumaro"_s, u"表达式错误"_s, Message::Icon::None};
}
