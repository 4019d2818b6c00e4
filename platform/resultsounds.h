// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "programsettings.h"

#include <QString>

/// Which of the two result sounds to play: for a right answer or a good score, or else.
enum class ResultSound { Right, Wrong };

/// The sound switch of the practice and test windows ("开" and "关"): the full paths of the
/// two result sounds while sound is on, both empty while it is off (as it is until the pupil
/// chooses).
class ResultSounds {
public:
    /// "开": the right and wrong sounds from the program's folder.
    void switchOn(const ProgramSettings &settings);
    /// "关": no sounds.
    void switchOff();

    const QString &RightSound() const { return m_rightSound; }
    const QString &WrongSound() const { return m_wrongSound; }
    bool isOn() const { return !m_rightSound.isEmpty(); }
    /// The path to play for a result; empty while sound is off.
    const QString &pathFor(ResultSound sound) const;

private:
    QString m_rightSound;
    QString m_wrongSound;
};
