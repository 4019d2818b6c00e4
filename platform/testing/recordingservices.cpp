// SPDX-License-Identifier: GPL-3.0-or-later
#include "recordingservices.h"

void RecordingMessages::show(const Message &message)
{
    shown.append(message);
    if (onShow)
        onShow(message);
}

bool RecordingMessages::ask(const Question &question)
{
    asked.append(question);
    return goAhead;
}
