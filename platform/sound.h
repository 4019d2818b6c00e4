// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

/// The program's one sound player. Every request plays a wave file by path, asynchronously,
/// and cuts off the sound still playing.
class Sound {
public:
    virtual ~Sound() = default;
    /// Plays the wave file at path. An empty path plays nothing (and silences what was
    /// playing); a path that names no wave file plays the alert sound.
    virtual void play(const QString &path) = 0;
};

/// Where sounds come out: starts one wave file, cutting off the one before, or stops.
class SoundOutput {
public:
    virtual ~SoundOutput() = default;
    virtual void start(const QString &wavePath) = 0;
    virtual void stop() = 0;
};

/// Sound on top of an output: decides what a request plays.
class WavePlayer final : public Sound {
public:
    /// alertPath is the wave file played for a path that names no wave file; when it is
    /// missing too, such requests play nothing.
    WavePlayer(SoundOutput &output, QString alertPath);

    void play(const QString &path) override;

    /// True when path names a regular file holding a whole wave file the output can play.
    static bool isWaveFile(const QString &path);

private:
    SoundOutput &m_output;
    QString m_alertPath;
};
