// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "grading.h"
#include "programsettings.h"

#include <QString>

/// The sound switch: the full paths of the two result sounds while sound is on, both empty
/// while it is off (as it is until the pupil chooses).
class ResultSounds {
public:
    /// "开": the right and wrong sounds from the program's folder.
    void switchOn(const ProgramSettings &settings);
    /// "关": no sounds.
    void switchOff();

    const QString &RightSound() const { return m_rightSound; }
    const QString &WrongSound() const { return m_wrongSound; }
    /// The path to play for a result; empty while sound is off.
    const QString &pathFor(ResultSound sound) const;

private:
    QString m_rightSound;
    QString m_wrongSound;
};
