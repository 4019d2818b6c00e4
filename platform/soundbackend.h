// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QObject;

/// The Qt Multimedia objects that play sound, made on the sound thread. They live in a module
/// of their own, loaded at the first sound: Qt Multimedia and the audio server's libraries
/// cost the start of every session more than a pupil's first click costs the sound.
class SoundBackend {
public:
    virtual ~SoundBackend() = default;
    /// Stops whatever plays and lets go of the narration's stream on the audio server.
    virtual void stop() = 0;
    virtual void playWave(const QString &path) = 0;
    virtual void playCompressed(const QString &path) = 0;
};

/// The module's one entry point, by this name.
extern "C" SoundBackend *LumaroMakeSoundBackend(QObject *parent);
using MakeSoundBackend = decltype(&LumaroMakeSoundBackend);

/// The module's file name beside the program.
inline QString SoundModuleFileName()
{
    return QStringLiteral("lumaro-sound.so");
}
