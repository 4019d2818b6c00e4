// SPDX-License-Identifier: GPL-3.0-or-later
// The sound module: Qt Multimedia's players behind SoundBackend.
#include "soundbackend.h"

#include <QAudioDevice>
#include <QAudioOutput>
#include <QMediaDevices>
#include <QMediaPlayer>
#include <QSoundEffect>
#include <QUrl>

namespace {

class QtMultimediaBackend final : public SoundBackend {
public:
    explicit QtMultimediaBackend(QObject *parent) : m_parent(parent) {}

    ~QtMultimediaBackend() override
    {
        delete m_effect;
        delete m_player;
    }

    void stop() override
    {
        if (m_effect)
            m_effect->stop();
        // Letting go of the source stops the narration and closes its stream on the audio
        // server; a stopped player would keep it open.
        if (m_player && !m_player->source().isEmpty())
            m_player->setSource(QUrl());
    }

    void playWave(const QString &path) override
    {
        if (QMediaDevices::defaultAudioOutput().isNull())
            return;
        if (!m_effect)
            m_effect = new QSoundEffect(m_parent);
        m_effect->setSource(QUrl::fromLocalFile(path));
        m_effect->play();
    }

    // Made on first use: the interface sounds alone never load the media player's pipeline.
    void playCompressed(const QString &path) override
    {
        if (QMediaDevices::defaultAudioOutput().isNull())
            return;
        if (!m_player) {
            m_player = new QMediaPlayer(m_parent);
            m_player->setAudioOutput(new QAudioOutput(m_player));
        }
        m_player->setSource(QUrl::fromLocalFile(path));
        m_player->play();
    }

private:
    QObject *m_parent;
    QSoundEffect *m_effect = nullptr;
    QMediaPlayer *m_player = nullptr;
};

} // namespace

extern "C" Q_DECL_EXPORT SoundBackend *LumaroMakeSoundBackend(QObject *parent)
{
    return new QtMultimediaBackend(parent);
}
