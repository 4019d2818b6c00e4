// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "displaymode.h"
#include "messageboxes.h"
#include "singleinstance.h"
#include "sound.h"
#include "windowhost.h"

#include <QList>
#include <QSize>
#include <QStringList>

#include <functional>

/// Stand-ins for the platform operations, for tests: each records what was asked of it.

class RecordingSound final : public Sound {
public:
    void play(const QString &path) override { played.append(path); }
    QStringList played;
};

/// Message boxes that are answered at once; onShow runs while a box would be open.
class RecordingMessages final : public MessageBoxes {
public:
    void show(const Message &message) override;
    bool ask(const Question &question) override;
    QList<Message> shown;
    std::function<void(const Message &)> onShow;
    QList<Question> asked;
    bool goAhead = false; ///< the answer to every question
};

class RecordingDisplayMode final : public DisplayMode {
public:
    void request(int widthPixels, int heightPixels) override
    {
        requests.append(QSize(widthPixels, heightPixels));
    }
    QList<QSize> requests;
};

/// A single-instance check whose answer the test sets.
class FakeInstance final : public SingleInstance {
    Q_OBJECT
public:
    bool anotherCopyRunning() override
    {
        ++checks;
        return otherCopy;
    }
    void raiseOtherCopy() override { ++raiseRequests; }

    bool otherCopy = false;
    int checks = 0;
    int raiseRequests = 0;
};

/// All four, ready to hand to a window.
struct RecordingServices {
    RecordingSound sound;
    RecordingMessages messages;
    RecordingDisplayMode display;
    FakeInstance instance;

    PlatformServices services() { return PlatformServices{sound, messages, display, instance}; }
};
