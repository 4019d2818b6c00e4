// SPDX-License-Identifier: GPL-3.0-or-later
#include "testmessages.h"

#include "papersaver.h"

using namespace Qt::Literals::StringLiterals;

namespace TestMessages {

Message SaveFailed(const SaveOutcome &outcome)
{
    return Message{u"保存试卷"_s,
                   u"试卷没有保存：\r\n"_s + outcome.Error + u"\r\n"_s + outcome.Path,
                   Message::Icon::Critical};
}

} // namespace TestMessages
