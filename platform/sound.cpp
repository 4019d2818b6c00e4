// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound.h"

#include "oggcheck.h"
#include "regularfile.h"
#include "wavecheck.h"

#include <QFile>

SoundFilePlayer::SoundFilePlayer(SoundOutput &output, QString alertPath)
    : m_output(output), m_alertPath(std::move(alertPath))
{
}

void SoundFilePlayer::play(const QString &path)
{
    if (path.isEmpty()) {
        m_output.stop();
        return;
    }
    for (const QString &candidate : {path, m_alertPath}) {
        if (const std::optional<SoundFormat> format = playableFormat(candidate)) {
            m_output.start(candidate, *format);
            return;
        }
    }
    m_output.stop();
}

bool SoundFilePlayer::looksPlayable(const QString &path)
{
    QFile file;
    if (!OpenRegularFile(file, path))
        return false;
    const QByteArray magic = file.peek(4);
    return (magic == "RIFF" && IsPlayableWave(file)) ||
           (magic == "OggS" && HasWholeOggOpusEnds(file));
}

std::optional<SoundFormat> SoundFilePlayer::playableFormat(const QString &path)
{
    QFile file;
    if (!OpenRegularFile(file, path))
        return std::nullopt;
    const QByteArray magic = file.peek(4);
    if (magic == "RIFF")
        return IsPlayableWave(file) ? std::optional(SoundFormat::Wave) : std::nullopt;
    if (magic == "OggS")
        return IsPlayableOggOpus(file) ? std::optional(SoundFormat::OggOpus) : std::nullopt;
    return std::nullopt;
}
