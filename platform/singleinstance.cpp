// SPDX-License-Identifier: GPL-3.0-or-later
#include "singleinstance.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>

#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int ConnectTimeoutMs = 500;
/// Longer than a copy busy with a redraw needs to answer; a copy too old to know the question
/// never answers, and counts as present.
constexpr int AnswerTimeoutMs = 500;
const QByteArray RaiseRequest = "raise\n";
const QByteArray WindowQuestion = "window?\n";
const QByteArray WindowShown = "window\n";
const QByteArray NoWindow = "no window\n";

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

/// Letters and digits of a name, everything else as "_", for a socket's file name.
QString FileNameSafe(QStringView text)
{
    QString name;
    for (const QChar c : text)
        name += c.isLetterOrNumber() && c.unicode() < 0x80 ? c : u'_';
    return name;
}

/// An X display's host as one name for each machine: no host, "unix" and the loopback
/// names all reach the server on this machine.
QString DisplayHost(QString host)
{
    host = host.toLower();
    if (const qsizetype slash = host.indexOf(u'/'); slash >= 0)
        host = host.mid(slash + 1); // a protocol such as "tcp/" or "unix/"
    static const QStringList local = {u""_s,          u"unix"_s,  u"localhost"_s,
                                      u"127.0.0.1"_s, u"[::1]"_s, u"::1"_s};
    return local.contains(host) ? u"local"_s : host;
}

/// An X display as its host and display number: ":64", ":64.0" and "localhost:64.1" are one
/// display, whose screens share the copy. Empty for a text that names no display.
QString XDisplayName(const QString &display)
{
    const qsizetype colon = display.lastIndexOf(u':');
    if (colon < 0)
        return {};
    QStringView number = QStringView(display).mid(colon + 1);
    if (const qsizetype dot = number.indexOf(u'.'); dot >= 0)
        number = number.first(dot);
    bool isNumber = false;
    const uint value = number.toUInt(&isNumber);
    if (!isNumber)
        return {};
    return DisplayHost(display.first(colon)) + u'_' + QString::number(value);
}

/// The graphical session: one copy per user and display.
QString SessionName()
{
    const QString wayland = qEnvironmentVariable("WAYLAND_DISPLAY");
    if (!wayland.isEmpty())
        return u"wayland_"_s + FileNameSafe(wayland);
    const QString display = qEnvironmentVariable("DISPLAY");
    const QString x = XDisplayName(display);
    if (!x.isEmpty())
        return u"x_"_s + FileNameSafe(x);
    return display.isEmpty() ? u"nodisplay"_s : u"other_"_s + FileNameSafe(display);
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
    if (askOtherCopy() == OtherCopy::Present)
        return true;
    // Nobody answers: the socket was left behind by a copy that ended without cleaning up.
    // Or the copy had no window to show, and has given up its place.
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

LocalSocketInstance::OtherCopy LocalSocketInstance::askOtherCopy() const
{
    QLocalSocket probe;
    probe.connectToServer(m_key);
    if (!probe.waitForConnected(ConnectTimeoutMs) || !PeerIsThisUser(probe.socketDescriptor()))
        return OtherCopy::None;
    probe.write(WindowQuestion);
    probe.waitForBytesWritten(ConnectTimeoutMs);
    QElapsedTimer waited;
    waited.start();
    while (!probe.canReadLine() && probe.state() == QLocalSocket::ConnectedState &&
           waited.elapsed() < AnswerTimeoutMs)
        probe.waitForReadyRead(int(AnswerTimeoutMs - waited.elapsed()));
    const bool withoutWindow = probe.canReadLine() && probe.readLine() == NoWindow;
    probe.abort();
    return withoutWindow ? OtherCopy::WithoutWindow : OtherCopy::Present;
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
        const QByteArray request = socket->readLine();
        if (request == RaiseRequest)
            Q_EMIT raiseRequested();
        else if (request == WindowQuestion)
            answerWindowQuestion(*socket);
    }
}

void LocalSocketInstance::answerWindowQuestion(QLocalSocket &socket)
{
    if (windowShown()) {
        socket.write(WindowShown);
        socket.flush();
        return;
    }
    // A later copy that stopped waiting has gone on as the second copy: this one stays.
    if (socket.state() != QLocalSocket::ConnectedState)
        return;
    // The place is free before the later copy hears so: closing the server afterwards would
    // remove the later copy's socket.
    m_server->close();
    socket.write(NoWindow);
    socket.waitForBytesWritten(ConnectTimeoutMs);
    Q_EMIT placeGivenUp();
}
