// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound.h"

#include <QFile>
#include <QFileInfo>

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
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray header = file.read(12);
    return header.size() == 12 && header.startsWith("RIFF") && header.mid(8, 4) == "WAVE";
}
