// SPDX-License-Identifier: GPL-3.0-or-later
#include "qtsoundoutput.h"

#include "soundbackend.h"

#include <QLibrary>
#include <QMutex>
#include <QThread>

#include <optional>

namespace {

/// How long the end of the program waits for a stalled audio stack before leaving it be.
constexpr int StopWaitMs = 1000;

} // namespace

/// One play request; an empty path stops the sound.
struct SoundRequest {
    QString path;
    SoundFormat format = SoundFormat::Wave;
};

/// The latest request not yet taken by the sound thread.
struct SoundRequests {
    QMutex mutex;
    std::optional<SoundRequest> latest;
    bool posted = false;
};

/// Lives on the sound thread and owns the sound module's players.
class SoundWorker final : public QObject {
public:
    SoundWorker(std::shared_ptr<SoundRequests> requests, QString modulePath)
        : m_requests(std::move(requests)), m_modulePath(std::move(modulePath))
    {
    }

    void takeLatest()
    {
        std::optional<SoundRequest> request;
        {
            const QMutexLocker lock(&m_requests->mutex);
            request.swap(m_requests->latest);
            m_requests->posted = false;
        }
        if (request)
            play(*request);
    }

    /// Ends the thread once Qt Multimedia has let go of everything it holds: it tears the
    /// sound down partly through deleteLater(), which only a running thread carries out.
    void close()
    {
        m_backend.reset();
        QMetaObject::invokeMethod(
            this, [] { QThread::currentThread()->quit(); }, Qt::QueuedConnection);
    }

private:
    void play(const SoundRequest &request)
    {
        if (m_backend)
            m_backend->stop();
        if (request.path.isEmpty() || !loadBackend())
            return;
        if (request.format == SoundFormat::OggOpus)
            m_backend->playCompressed(request.path);
        else
            m_backend->playWave(request.path);
    }

    /// Loads the module at the first sound; without it the program stays silent.
    bool loadBackend()
    {
        if (m_backend || m_moduleMissing)
            return bool(m_backend);
        QLibrary module(m_modulePath);
        const auto make =
            reinterpret_cast<MakeSoundBackend>(module.resolve("LumaroMakeSoundBackend"));
        m_moduleMissing = !make;
        if (make)
            m_backend.reset(make(this));
        return bool(m_backend);
    }

    std::shared_ptr<SoundRequests> m_requests;
    QString m_modulePath;
    std::unique_ptr<SoundBackend> m_backend;
    bool m_moduleMissing = false;
};

QtSoundOutput::QtSoundOutput(const QString &modulePath, QObject *parent)
    : QObject(parent), m_requests(std::make_shared<SoundRequests>()), m_thread(new QThread),
      m_worker(new SoundWorker(m_requests, modulePath))
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
    const QMutexLocker lock(&m_requests->mutex);
    m_requests->latest = SoundRequest{path, format};
    if (m_requests->posted)
        return;
    m_requests->posted = true;
    QMetaObject::invokeMethod(m_worker, &SoundWorker::takeLatest, Qt::QueuedConnection);
}
