// SPDX-License-Identifier: GPL-3.0-or-later
#include "singleinstance.h"

#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int ConnectTimeoutMs = 500;
const QByteArray RaiseRequest = "raise\n";

} // namespace

LocalSocketInstance::LocalSocketInstance(QString key, QObject *parent)
    : SingleInstance(parent), m_key(std::move(key))
{
}

LocalSocketInstance::~LocalSocketInstance() = default;

QString LocalSocketInstance::defaultKey()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        return u"lumaro-"_s + qEnvironmentVariable("USER", u"user"_s);
    return QDir(folder).filePath(u"lumaro.instance"_s);
}

bool LocalSocketInstance::isFirstCopy() const
{
    return m_server && m_server->isListening();
}

bool LocalSocketInstance::anotherCopyRunning()
{
    if (isFirstCopy() || listen())
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
    if (!socket.waitForConnected(ConnectTimeoutMs))
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
        // lies in the user's own runtime folder, which nobody else can enter.
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
    const bool answers = probe.waitForConnected(ConnectTimeoutMs);
    probe.abort();
    return answers;
}

void LocalSocketInstance::acceptConnections()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
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
