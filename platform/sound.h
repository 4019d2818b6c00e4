// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>

/// The program's one sound player. Every request plays a sound file by path, asynchronously,
/// and cuts off the sound still playing.
class Sound {
public:
    virtual ~Sound() = default;
    /// Plays the sound file at path. An empty path plays nothing (and silences what was
    /// playing); a path that names no playable sound file plays the alert sound.
    virtual void play(const QString &path) = 0;
};

/// The kinds of sound file the program plays: short wave files for the interface sounds,
/// Ogg Opus for the narration.
enum class SoundFormat { Wave, OggOpus };

/// Where sounds come out: starts one checked sound file, cutting off the one before, or stops.
class SoundOutput {
public:
    virtual ~SoundOutput() = default;
    virtual void start(const QString &path, SoundFormat format) = 0;
    virtual void stop() = 0;
};

/// Sound on top of an output: decides what a request plays, and hands the output only files
/// it can play whole.
class SoundFilePlayer final : public Sound {
public:
    /// alertPath is the sound file played for a path that names no playable sound file; when
    /// it is missing too, such requests play nothing.
    SoundFilePlayer(SoundOutput &output, QString alertPath);

    void play(const QString &path) override;

    /// The format of the regular file at path when it holds a whole wave or Ogg Opus file
    /// the output can play, told by its content whatever its name; nothing otherwise.
    static std::optional<SoundFormat> playableFormat(const QString &path);
    static bool isPlayableFile(const QString &path) { return playableFormat(path).has_value(); }

    /// A quicker look, for a whole folder at once: a wave file checked as by playableFormat,
    /// an Ogg Opus file only at its first and last page.
    static bool looksPlayable(const QString &path);

private:
    SoundOutput &m_output;
    QString m_alertPath;
};
