// SPDX-License-Identifier: GPL-3.0-or-later
#include "singleinstance.h"

#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>

#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int ConnectTimeoutMs = 500;
const QByteArray RaiseRequest = "raise\n";

/// A folder nobody else can enter: a real folder (no link), ours, mode 0700.
bool IsPrivateFolder(const QString &path)
{
    struct stat status {};
    return ::lstat(QFile::encodeName(path).constData(), &status) == 0 && S_ISDIR(status.st_mode) &&
           status.st_uid == ::getuid() && (status.st_mode & 0777) == 0700;
}

/// The user's runtime folder, or a folder of the user's own in the temporary folder, made
/// with mode 0700 and refused when someone else made it first. Empty when neither is safe.
QString PrivateFolder()
{
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && IsPrivateFolder(runtime))
        return runtime;
    const QString own = QDir::tempPath() + u"/lumaro-"_s + QString::number(::getuid());
    ::mkdir(QFile::encodeName(own).constData(), 0700);
    return IsPrivateFolder(own) ? own : QString();
}

/// The graphical session: one copy per user and display.
QString SessionName()
{
    QString display = qEnvironmentVariable("WAYLAND_DISPLAY");
    if (display.isEmpty())
        display = qEnvironmentVariable("DISPLAY");
    QString name;
    for (const QChar c : display)
        name += c.isLetterOrNumber() && c.unicode() < 0x80 ? c : u'_';
    return name.isEmpty() ? u"nodisplay"_s : name;
}

/// Whether the process at the other end of a local socket runs as this user.
bool PeerIsThisUser(qintptr socket)
{
    ucred peer{};
    socklen_t size = sizeof(peer);
    return ::getsockopt(int(socket), SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0 &&
           peer.uid == ::getuid();
}

} // namespace

LocalSocketInstance::LocalSocketInstance(QString key, QObject *parent)
    : SingleInstance(parent), m_key(std::move(key))
{
}

LocalSocketInstance::~LocalSocketInstance() = default;

QString LocalSocketInstance::defaultKey()
{
    const QString folder = PrivateFolder();
    if (folder.isEmpty())
        return {};
    return QDir(folder).filePath(u"lumaro-"_s + SessionName() + u".instance"_s);
}

bool LocalSocketInstance::isFirstCopy() const
{
    return m_server && m_server->isListening();
}

bool LocalSocketInstance::anotherCopyRunning()
{
    // Without a safe place for the key the check cannot be made; the program runs.
    if (m_key.isEmpty() || isFirstCopy() || listen())
        return false;
    if (otherCopyAnswers())
        return true;
    // Nobody answers: the socket was left behind by a copy that ended without cleaning up.
    QLocalServer::removeServer(m_key);
    listen();
    return false;
}

void LocalSocketInstance::raiseOtherCopy()
{
    QLocalSocket socket;
    socket.connectToServer(m_key);
    if (!socket.waitForConnected(ConnectTimeoutMs) || !PeerIsThisUser(socket.socketDescriptor()))
        return;
    socket.write(RaiseRequest);
    socket.waitForBytesWritten(ConnectTimeoutMs);
    socket.disconnectFromServer();
}

bool LocalSocketInstance::listen()
{
    if (!m_server) {
        // No socket options: with them Qt binds elsewhere and renames the socket into place,
        // which would replace the first copy's socket instead of finding it. The default key
        // lies in a folder of the user's own that nobody else can enter.
        m_server = new QLocalServer(this);
        connect(m_server, &QLocalServer::newConnection, this,
                &LocalSocketInstance::acceptConnections);
    }
    return m_server->listen(m_key);
}

bool LocalSocketInstance::otherCopyAnswers() const
{
    QLocalSocket probe;
    probe.connectToServer(m_key);
    const bool answers =
        probe.waitForConnected(ConnectTimeoutMs) && PeerIsThisUser(probe.socketDescriptor());
    probe.abort();
    return answers;
}

void LocalSocketInstance::acceptConnections()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        if (!PeerIsThisUser(socket->socketDescriptor())) {
            socket->abort();
            socket->deleteLater();
            continue;
        }
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { readRequests(socket); });
        readRequests(socket);
    }
}

void LocalSocketInstance::readRequests(QLocalSocket *socket)
{
    while (socket->canReadLine()) {
        if (socket->readLine() == RaiseRequest)
            Q_EMIT raiseRequested();
    }
}
