// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound.h"

#include "regularfile.h"
#include "wavecheck.h"

#include <QFile>

WavePlayer::WavePlayer(SoundOutput &output, QString alertPath)
    : m_output(output), m_alertPath(std::move(alertPath))
{
}

void WavePlayer::play(const QString &path)
{
    if (path.isEmpty()) {
        m_output.stop();
        return;
    }
    if (isWaveFile(path)) {
        m_output.start(path);
        return;
    }
    if (isWaveFile(m_alertPath)) {
        m_output.start(m_alertPath);
        return;
    }
    m_output.stop();
}

bool WavePlayer::isWaveFile(const QString &path)
{
    QFile file;
    return OpenRegularFile(file, path) && IsPlayableWave(file);
}
