// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sound.h"

#include <QObject>

class QSoundEffect;

/// Plays wave files through Qt Multimedia, one at a time. Loading happens in the background,
/// so a request never waits for the file; without an audio device it stays silent.
class QtSoundOutput final : public QObject, public SoundOutput {
    Q_OBJECT
public:
    explicit QtSoundOutput(QObject *parent = nullptr);
    ~QtSoundOutput() override;

    void start(const QString &wavePath) override;
    void stop() override;

private:
    QSoundEffect *m_effect = nullptr; // created with the first sound, when a device exists
};
