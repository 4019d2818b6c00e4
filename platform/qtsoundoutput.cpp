// SPDX-License-Identifier: GPL-3.0-or-later
#include "qtsoundoutput.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

QtSoundOutput::QtSoundOutput(QObject *parent) : QObject(parent) {}

QtSoundOutput::~QtSoundOutput() = default;

void QtSoundOutput::start(const QString &wavePath)
{
    if (QMediaDevices::defaultAudioOutput().isNull())
        return;
    if (!m_effect)
        m_effect = new QSoundEffect(this);
    m_effect->stop();
    m_effect->setSource(QUrl::fromLocalFile(wavePath));
    m_effect->play();
}

void QtSoundOutput::stop()
{
    if (m_effect)
        m_effect->stop();
}
