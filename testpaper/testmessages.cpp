// SPDX-License-Identifier: GPL-3.0-or-later
#include "testmessages.h"

#include "papersaver.h"

using namespace Qt::Literals::StringLiterals;

namespace TestMessages {

Message SaveFailed(const SaveOutcome &outcome)
{
    QString text = u"试卷没有保存：\r\n"_s + outcome.error;
    // A path box that names no file has no path to show.
    if (!outcome.path.isEmpty())
        text += u"\r\n"_s + outcome.path;
    return Message{u"保存试卷"_s, text, Message::Icon::Critical};
}

} // namespace TestMessages
