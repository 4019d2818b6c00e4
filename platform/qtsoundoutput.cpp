// SPDX-License-Identifier: GPL-3.0-or-later
#include "qtsoundoutput.h"

#include <QAudioDevice>
#include <QAudioOutput>
#include <QMediaDevices>
#include <QMediaPlayer>
#include <QMutex>
#include <QSoundEffect>
#include <QThread>
#include <QUrl>

#include <optional>

namespace {

/// How long the end of the program waits for a stalled audio stack before leaving it be.
constexpr int StopWaitMs = 1000;

} // namespace

/// One play request; an empty path stops the sound.
struct SoundRequest {
    QString Path;
    SoundFormat Format = SoundFormat::Wave;
};

/// The latest request not yet taken by the sound thread.
struct SoundRequests {
    QMutex Mutex;
    std::optional<SoundRequest> Latest;
    bool Posted = false;
};

/// Lives on the sound thread and owns the Qt Multimedia objects.
class SoundWorker final : public QObject {
public:
    explicit SoundWorker(std::shared_ptr<SoundRequests> requests) : m_requests(std::move(requests))
    {
    }

    void takeLatest()
    {
        std::optional<SoundRequest> request;
        {
            const QMutexLocker lock(&m_requests->Mutex);
            request.swap(m_requests->Latest);
            m_requests->Posted = false;
        }
        if (request)
            play(*request);
    }

    /// Ends the thread once Qt Multimedia has let go of everything it holds: it tears the
    /// sound down partly through deleteLater(), which only a running thread carries out.
    void close()
    {
        delete m_effect;
        m_effect = nullptr;
        delete m_player;
        m_player = nullptr;
        QMetaObject::invokeMethod(
            this, [] { QThread::currentThread()->quit(); }, Qt::QueuedConnection);
    }

private:
    void play(const SoundRequest &request)
    {
        if (m_effect)
            m_effect->stop();
        // Letting go of the source stops the narration and closes its stream on the audio
        // server; a stopped player would keep it open.
        if (m_player && !m_player->source().isEmpty())
            m_player->setSource(QUrl());
        if (request.Path.isEmpty() || QMediaDevices::defaultAudioOutput().isNull())
            return;
        if (request.Format == SoundFormat::OggOpus)
            playCompressed(request.Path);
        else
            playWave(request.Path);
    }

    void playWave(const QString &path)
    {
        if (!m_effect)
            m_effect = new QSoundEffect(this);
        m_effect->setSource(QUrl::fromLocalFile(path));
        m_effect->play();
    }

    // Made on first use: the interface sounds alone never load the media player's pipeline.
    void playCompressed(const QString &path)
    {
        if (!m_player) {
            m_player = new QMediaPlayer(this);
            m_player->setAudioOutput(new QAudioOutput(m_player));
        }
        m_player->setSource(QUrl::fromLocalFile(path));
        m_player->play();
    }

    std::shared_ptr<SoundRequests> m_requests;
    QSoundEffect *m_effect = nullptr;
    QMediaPlayer *m_player = nullptr;
};

QtSoundOutput::QtSoundOutput(QObject *parent)
    : QObject(parent), m_requests(std::make_shared<SoundRequests>()), m_thread(new QThread),
      m_worker(new SoundWorker(m_requests))
{
    m_worker->moveToThread(m_thread);
    connect(m_thread, &QThread::finished, m_worker, &QObject::deleteLater);
    m_thread->start();
}

QtSoundOutput::~QtSoundOutput()
{
    // When the audio stack hangs, the thread and its objects are left to go with the process.
    finish();
}

bool QtSoundOutput::finish()
{
    if (!m_thread)
        return true;
    if (!m_closing) {
        m_closing = true;
        QMetaObject::invokeMethod(m_worker, &SoundWorker::close, Qt::QueuedConnection);
    }
    if (!m_thread->wait(StopWaitMs))
        return false;
    delete m_thread;
    m_thread = nullptr;
    return true;
}

void QtSoundOutput::start(const QString &path, SoundFormat format)
{
    request(path, format);
}

void QtSoundOutput::stop()
{
    request(QString(), SoundFormat::Wave);
}

void QtSoundOutput::request(const QString &path, SoundFormat format)
{
    if (m_closing)
        return;
    const QMutexLocker lock(&m_requests->Mutex);
    m_requests->Latest = SoundRequest{path, format};
    if (m_requests->Posted)
        return;
    m_requests->Posted = true;
    QMetaObject::invokeMethod(m_worker, &SoundWorker::takeLatest, Qt::QueuedConnection);
}
