// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sound.h"

#include <QObject>

#include <memory>

class QThread;
class SoundWorker;
struct SoundRequests;

/// Plays sound files through Qt Multimedia, one at a time, on a thread of its own: wave files
/// through QSoundEffect, which starts them at once, and Ogg Opus through a QMediaPlayer. A
/// request only leaves word for that thread and never waits, even when the audio stack stalls
/// (then only the latest request is kept). Without an audio device, or without the sound
/// module at modulePath (see soundbackend.h), it stays silent.
class QtSoundOutput final : public QObject, public SoundOutput {
    Q_OBJECT
public:
    explicit QtSoundOutput(const QString &modulePath, QObject *parent = nullptr);
    ~QtSoundOutput() override;

    void start(const QString &path, SoundFormat format) override;
    void stop() override;

    /// Ends the sound thread, waiting a moment at most; later requests are ignored. False
    /// while the audio stack hangs: Qt Multimedia then aborts the process at its exit.
    bool finish();

private:
    void request(const QString &path, SoundFormat format);

    std::shared_ptr<SoundRequests> m_requests;
    QThread *m_thread;
    SoundWorker *m_worker;
    bool m_closing = false;
};
