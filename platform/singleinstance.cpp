// SPDX-License-Identifier: GPL-3.0-or-later
#include "singleinstance.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QSocketNotifier>

#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

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

/// The socket address of a key; false when the key is too long for one.
bool AddressOf(const QString &key, sockaddr_un &address)
{
    const QByteArray path = QFile::encodeName(key);
    address = {};
    address.sun_family = AF_UNIX;
    if (path.isEmpty() || path.size() >= qsizetype(sizeof(address.sun_path)))
        return false;
    std::memcpy(address.sun_path, path.constData(), size_t(path.size()));
    return true;
}

int NewSocket()
{
    return ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
}

/// Waits until fd is ready for events, or the deadline passes.
bool WaitFor(int fd, short events, const QDeadlineTimer &deadline)
{
    pollfd watched{fd, events, 0};
    for (;;) {
        const int ready = ::poll(&watched, 1, int(deadline.remainingTime()));
        if (ready > 0)
            return true;
        if (ready == 0 || errno != EINTR)
            return false;
    }
}

/// A socket connected to the copy listening under key, or -1. A full queue of callers is
/// waited out until the deadline.
int ConnectTo(const QString &key, const QDeadlineTimer &deadline)
{
    sockaddr_un address;
    if (!AddressOf(key, address))
        return -1;
    const int fd = NewSocket();
    if (fd < 0)
        return -1;
    while (::connect(fd, reinterpret_cast<const sockaddr *>(&address), sizeof(address)) != 0) {
        if ((errno != EAGAIN && errno != EINTR) || deadline.hasExpired()) {
            ::close(fd);
            return -1;
        }
        ::poll(nullptr, 0, 10);
    }
    return fd;
}

bool WriteAll(int fd, QByteArray data, const QDeadlineTimer &deadline)
{
    while (!data.isEmpty()) {
        const ssize_t sent = ::send(fd, data.constData(), size_t(data.size()), MSG_NOSIGNAL);
        if (sent > 0)
            data.remove(0, sent);
        else if ((errno != EAGAIN && errno != EINTR) || !WaitFor(fd, POLLOUT, deadline))
            return false;
    }
    return true;
}

/// The first line the other end sends, its newline included; empty when none comes complete
/// before the deadline or the other end hangs up.
QByteArray ReadLine(int fd, const QDeadlineTimer &deadline)
{
    QByteArray received;
    while (!received.contains('\n')) {
        char chunk[64];
        const ssize_t got = ::recv(fd, chunk, sizeof(chunk), 0);
        if (got > 0)
            received.append(chunk, got);
        else if (got == 0 || (errno != EAGAIN && errno != EINTR) || !WaitFor(fd, POLLIN, deadline))
            return {};
    }
    return received.left(received.indexOf('\n') + 1);
}

} // namespace

/// A later copy connected to this one, and what it has sent that is not yet read as a line.
struct LocalSocketInstance::Caller {
    explicit Caller(int socket) : fd(socket) {}
    ~Caller()
    {
        // Its signal may be the one being handled: it goes once that is done.
        notifier->setEnabled(false);
        notifier->deleteLater();
        ::close(fd);
    }
    Caller(const Caller &) = delete;
    Caller &operator=(const Caller &) = delete;

    int fd;
    QSocketNotifier *notifier = nullptr;
    QByteArray pending;
    bool hungUp = false;
};

LocalSocketInstance::LocalSocketInstance(QString key, QObject *parent)
    : SingleInstance(parent), m_key(std::move(key))
{
}

LocalSocketInstance::~LocalSocketInstance()
{
    m_callers.clear();
    stopListening();
}

QString LocalSocketInstance::defaultKey()
{
    const QString folder = PrivateFolder();
    if (folder.isEmpty())
        return {};
    return QDir(folder).filePath(u"lumaro-"_s + SessionName() + u".instance"_s);
}

bool LocalSocketInstance::isFirstCopy() const
{
    return m_listening >= 0;
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
    ::unlink(QFile::encodeName(m_key).constData());
    listen();
    return false;
}

void LocalSocketInstance::raiseOtherCopy()
{
    const QDeadlineTimer deadline(ConnectTimeoutMs);
    const int fd = ConnectTo(m_key, deadline);
    if (fd < 0)
        return;
    if (PeerIsThisUser(fd))
        WriteAll(fd, RaiseRequest, deadline);
    ::close(fd);
}

/// Listens under the key, unless a socket already lies there: the socket is bound in place,
/// never renamed into place, so that it cannot replace the first copy's. The default key lies
/// in a folder of the user's own that nobody else can enter.
bool LocalSocketInstance::listen()
{
    sockaddr_un address;
    if (!AddressOf(m_key, address))
        return false;
    const int fd = NewSocket();
    if (fd < 0)
        return false;
    if (::bind(fd, reinterpret_cast<const sockaddr *>(&address), sizeof(address)) != 0 ||
        ::listen(fd, SOMAXCONN) != 0) {
        ::close(fd);
        return false;
    }
    m_listening = fd;
    m_callersWaiting = new QSocketNotifier(fd, QSocketNotifier::Read, this);
    connect(m_callersWaiting, &QSocketNotifier::activated, this,
            &LocalSocketInstance::acceptCallers);
    return true;
}

/// Closes the socket and removes it, freeing the key for the next copy.
void LocalSocketInstance::stopListening()
{
    if (m_listening < 0)
        return;
    // Its signal may be the one being handled: it goes once that is done.
    m_callersWaiting->setEnabled(false);
    m_callersWaiting->deleteLater();
    m_callersWaiting = nullptr;
    ::close(m_listening);
    m_listening = -1;
    ::unlink(QFile::encodeName(m_key).constData());
}

LocalSocketInstance::OtherCopy LocalSocketInstance::askOtherCopy() const
{
    const QDeadlineTimer connecting(ConnectTimeoutMs);
    const int fd = ConnectTo(m_key, connecting);
    if (fd < 0)
        return OtherCopy::None;
    bool withoutWindow = false;
    if (!PeerIsThisUser(fd)) {
        ::close(fd);
        return OtherCopy::None;
    }
    if (WriteAll(fd, WindowQuestion, connecting))
        withoutWindow = ReadLine(fd, QDeadlineTimer(AnswerTimeoutMs)) == NoWindow;
    ::close(fd);
    return withoutWindow ? OtherCopy::WithoutWindow : OtherCopy::Present;
}

void LocalSocketInstance::acceptCallers()
{
    while (m_listening >= 0) {
        const int fd = ::accept4(m_listening, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (fd < 0)
            return;
        if (!PeerIsThisUser(fd)) {
            ::close(fd);
            continue;
        }
        Caller &caller = *m_callers.emplace_back(std::make_unique<Caller>(fd));
        caller.notifier = new QSocketNotifier(fd, QSocketNotifier::Read, this);
        connect(caller.notifier, &QSocketNotifier::activated, this,
                [this, &caller] { readRequests(caller); });
        readRequests(caller);
    }
}

void LocalSocketInstance::readRequests(Caller &caller)
{
    char chunk[256];
    for (;;) {
        const ssize_t got = ::recv(caller.fd, chunk, sizeof(chunk), 0);
        if (got > 0) {
            caller.pending.append(chunk, got);
        } else if (got < 0 && errno == EINTR) {
            continue;
        } else {
            caller.hungUp = got == 0 || errno != EAGAIN;
            break;
        }
    }
    for (qsizetype end = caller.pending.indexOf('\n'); end >= 0;
         end = caller.pending.indexOf('\n')) {
        const QByteArray request = caller.pending.left(end + 1);
        caller.pending.remove(0, end + 1);
        if (request == RaiseRequest)
            Q_EMIT raiseRequested();
        else if (request == WindowQuestion)
            answerWindowQuestion(caller);
    }
    if (caller.hungUp)
        m_callers.remove_if([&caller](const auto &held) { return held.get() == &caller; });
}

void LocalSocketInstance::answerWindowQuestion(Caller &caller)
{
    const QDeadlineTimer deadline(ConnectTimeoutMs);
    if (windowShown()) {
        WriteAll(caller.fd, WindowShown, deadline);
        return;
    }
    // A later copy that stopped waiting has gone on as the second copy: this one stays.
    if (caller.hungUp)
        return;
    // The place is free before the later copy hears so: freeing it afterwards would remove
    // the later copy's socket.
    stopListening();
    WriteAll(caller.fd, NoWindow, deadline);
    Q_EMIT placeGivenUp();
}
