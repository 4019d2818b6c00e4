// SPDX-License-Identifier: GPL-3.0-or-later
#include "resultsounds.h"

using namespace Qt::Literals::StringLiterals;

void ResultSounds::switchOn(const ProgramSettings &settings)
{
    m_rightSound = settings.path(u"\\dui.wav"_s);
    m_wrongSound = settings.path(u"\\zhadan.wav"_s);
}

void ResultSounds::switchOff()
{
    m_rightSound.clear();
    m_wrongSound.clear();
}

const QString &ResultSounds::pathFor(ResultSound sound) const
{
    return sound == ResultSound::Right ? m_rightSound : m_wrongSound;
}
