// SPDX-License-Identifier: GPL-3.0-or-later
#include "singleinstance.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <future>
#include <utility>

using namespace Qt::Literals::StringLiterals;

namespace {

// What a copy that crashed leaves behind: a bound socket file that nobody listens on.
bool leaveStaleSocket(const QString &path)
{
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    if (fd < 0)
        return false;
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray name = path.toLocal8Bit();
    std::strncpy(address.sun_path, name.constData(), sizeof(address.sun_path) - 1);
    const bool bound = ::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof(address)) == 0;
    ::close(fd);
    return bound;
}

// Puts back the variables the key is made from.
class EnvironmentGuard {
public:
    EnvironmentGuard()
    {
        for (const char *name : Names)
            m_saved.append(qgetenv(name));
        for (const char *name : Names)
            m_set.append(qEnvironmentVariableIsSet(name));
    }
    ~EnvironmentGuard()
    {
        for (int i = 0; i < 4; ++i) {
            if (m_set[i])
                qputenv(Names[i], m_saved[i]);
            else
                qunsetenv(Names[i]);
        }
    }

private:
    static constexpr const char *Names[4] = {"XDG_RUNTIME_DIR", "TMPDIR", "DISPLAY",
                                             "WAYLAND_DISPLAY"};
    QList<QByteArray> m_saved;
    QList<bool> m_set;
};

} // namespace

class SingleInstanceTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void theFirstCopyRunsAlone();
    void aSecondCopyFindsTheFirst();
    void theSecondCopyAsksTheFirstToComeForward();
    void aLeftoverSocketNeverBlocksStartUp();
    void afterTheFirstCopyEndsTheNextOneRuns();
    void keysAreIndependent();
    void theKeyIsPrivateToTheUserAndTheDisplay_data();
    void theKeyIsPrivateToTheUserAndTheDisplay();
    void aCopyWithoutAWindowGivesUpItsPlace_data();
    void aCopyWithoutAWindowGivesUpItsPlace();
    void oneDisplayHasOneKey_data();
    void oneDisplayHasOneKey();

private:
    QString key(const QString &name = u"lumaro.instance"_s) const
    {
        return m_folder->filePath(name);
    }
    std::unique_ptr<QTemporaryDir> m_folder;
};

void SingleInstanceTest::init()
{
    m_folder = std::make_unique<QTemporaryDir>();
    QVERIFY(m_folder->isValid());
}

void SingleInstanceTest::theFirstCopyRunsAlone()
{
    LocalSocketInstance first(key());
    QVERIFY(!first.anotherCopyRunning());
    QVERIFY(first.isFirstCopy());
    // Every later load of the main window asks again.
    QVERIFY(!first.anotherCopyRunning());
}

void SingleInstanceTest::aSecondCopyFindsTheFirst()
{
    LocalSocketInstance first(key());
    QVERIFY(!first.anotherCopyRunning());
    LocalSocketInstance second(key());
    QVERIFY(second.anotherCopyRunning());
    QVERIFY(!second.isFirstCopy());
    QVERIFY(first.isFirstCopy());
}

void SingleInstanceTest::theSecondCopyAsksTheFirstToComeForward()
{
    LocalSocketInstance first(key());
    QVERIFY(!first.anotherCopyRunning());
    QSignalSpy raised(&first, &SingleInstance::raiseRequested);
    LocalSocketInstance second(key());
    QVERIFY(second.anotherCopyRunning());
    second.raiseOtherCopy();
    QVERIFY(raised.wait(5000));
    QCOMPARE(raised.count(), 1);
}

void SingleInstanceTest::aLeftoverSocketNeverBlocksStartUp()
{
    QVERIFY(leaveStaleSocket(key()));
    QVERIFY(QFileInfo::exists(key()));
    LocalSocketInstance copy(key());
    QVERIFY(!copy.anotherCopyRunning());
    QVERIFY(copy.isFirstCopy());
    LocalSocketInstance later(key());
    QVERIFY(later.anotherCopyRunning());
}

void SingleInstanceTest::afterTheFirstCopyEndsTheNextOneRuns()
{
    {
        LocalSocketInstance first(key());
        QVERIFY(!first.anotherCopyRunning());
    }
    LocalSocketInstance next(key());
    QVERIFY(!next.anotherCopyRunning());
}

void SingleInstanceTest::keysAreIndependent()
{
    LocalSocketInstance one(key(u"one"_s));
    LocalSocketInstance other(key(u"other"_s));
    QVERIFY(!one.anotherCopyRunning());
    QVERIFY(!other.anotherCopyRunning());
}

// The key lies in a folder nobody else can enter, and names the display: two logins of one
// account on two displays each get their copy, while a second start on one display finds
// the first.
void SingleInstanceTest::theKeyIsPrivateToTheUserAndTheDisplay_data()
{
    QTest::addColumn<QString>("runtimeMode");    // of XDG_RUNTIME_DIR; empty: unset
    QTest::addColumn<QString>("tempSetUp");      // what already stands at TMPDIR/lumaro-<uid>
    QTest::addColumn<QString>("expectedFolder"); // "runtime", "temp" or "" (no key)
    QTest::newRow("runtime folder") << u"700"_s << u""_s << u"runtime"_s;
    QTest::newRow("runtime folder open to others") << u"777"_s << u""_s << u"temp"_s;
    QTest::newRow("no runtime folder") << u""_s << u""_s << u"temp"_s;
    QTest::newRow("own folder left from before") << u""_s << u"700"_s << u"temp"_s;
    QTest::newRow("folder open to others") << u""_s << u"777"_s << u""_s;
    QTest::newRow("a link in its place") << u""_s << u"link"_s << u""_s;
    QTest::newRow("a file in its place") << u""_s << u"file"_s << u""_s;
}

void SingleInstanceTest::theKeyIsPrivateToTheUserAndTheDisplay()
{
    QFETCH(QString, runtimeMode);
    QFETCH(QString, tempSetUp);
    QFETCH(QString, expectedFolder);
    const QString runtime = key(u"runtime"_s);
    const QString temp = key(u"tmp"_s);
    QVERIFY(QDir().mkpath(runtime) && QDir().mkpath(temp));
    const QString own = temp + u"/lumaro-"_s + QString::number(::getuid());
    if (!runtimeMode.isEmpty())
        QCOMPARE(::chmod(QFile::encodeName(runtime).constData(), runtimeMode.toUInt(nullptr, 8)),
                 0);
    if (tempSetUp == u"link"_s)
        QVERIFY(QFile::link(runtime, own));
    else if (tempSetUp == u"file"_s)
        QVERIFY(QFile(own).open(QIODevice::WriteOnly));
    else if (!tempSetUp.isEmpty())
        QCOMPARE(::mkdir(QFile::encodeName(own).constData(), tempSetUp.toUInt(nullptr, 8)) |
                     ::chmod(QFile::encodeName(own).constData(), tempSetUp.toUInt(nullptr, 8)),
                 0);
    const EnvironmentGuard guard;
    if (runtimeMode.isEmpty())
        qunsetenv("XDG_RUNTIME_DIR");
    else
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime));
    qputenv("TMPDIR", QFile::encodeName(temp));
    qunsetenv("WAYLAND_DISPLAY");
    qputenv("DISPLAY", ":5");
    const QString first = LocalSocketInstance::defaultKey();
    qputenv("DISPLAY", ":6");
    const QString second = LocalSocketInstance::defaultKey();
    if (expectedFolder.isEmpty()) {
        QVERIFY2(first.isEmpty(), qPrintable(first));
        LocalSocketInstance copy(first);
        QVERIFY(!copy.anotherCopyRunning()); // no safe key: the program runs all the same
        return;
    }
    const QString folder = expectedFolder == u"runtime"_s ? runtime : own;
    QCOMPARE(QFileInfo(first).absolutePath(), QFileInfo(folder).absoluteFilePath());
    QCOMPARE(QFileInfo(folder).permissions() & 0x0077, QFileDevice::Permissions());
    QVERIFY(first != second);
    LocalSocketInstance onFive(first), onSix(second), againOnFive(first);
    QVERIFY(!onFive.anotherCopyRunning());
    QVERIFY(!onSix.anotherCopyRunning());
    QVERIFY(againOnFive.anotherCopyRunning());
}

// A first copy left without a window (one destroyed from outside) has nothing to bring
// forward: the later copy runs in its place instead of refusing to start.
void SingleInstanceTest::aCopyWithoutAWindowGivesUpItsPlace_data()
{
    QTest::addColumn<bool>("windowShown");
    QTest::newRow("with a window") << true;
    QTest::newRow("without a window") << false;
}

void SingleInstanceTest::aCopyWithoutAWindowGivesUpItsPlace()
{
    QFETCH(bool, windowShown);
    LocalSocketInstance first(key());
    first.setWindowShown([windowShown] { return windowShown; });
    QVERIFY(!first.anotherCopyRunning());
    QSignalSpy gaveUp(&first, &SingleInstance::placeGivenUp);
    // The later copy waits for the first one's answer, which comes from this thread's events.
    const QString laterKey = key();
    std::future<std::pair<bool, bool>> later = std::async(std::launch::async, [laterKey] {
        LocalSocketInstance copy(laterKey);
        const bool found = copy.anotherCopyRunning();
        return std::pair{found, copy.isFirstCopy()};
    });
    QTRY_VERIFY_WITH_TIMEOUT(later.wait_for(std::chrono::seconds(0)) == std::future_status::ready,
                             10000);
    const auto [found, laterIsFirst] = later.get();
    QCOMPARE(found, windowShown);
    QCOMPARE(laterIsFirst, !windowShown);
    QCOMPARE(gaveUp.count(), windowShown ? 0 : 1);
    QCOMPARE(first.isFirstCopy(), windowShown);
}

// The key names the display itself, not the text that names it: the screen number and the
// ways of writing "this machine" do not make a second copy.
void SingleInstanceTest::oneDisplayHasOneKey_data()
{
    QTest::addColumn<QString>("display");
    QTest::addColumn<QString>("other");
    QTest::addColumn<bool>("same");
    QTest::newRow("screen 0") << u":64"_s << u":64.0"_s << true;
    QTest::newRow("screen 1") << u":64"_s << u":64.1"_s << true;
    QTest::newRow("localhost") << u":64"_s << u"localhost:64.0"_s << true;
    QTest::newRow("unix") << u":64"_s << u"unix:64"_s << true;
    QTest::newRow("protocol") << u":64"_s << u"unix/:64"_s << true;
    QTest::newRow("loopback") << u"127.0.0.1:64"_s << u"LOCALHOST:64"_s << true;
    QTest::newRow("leading zero") << u":64"_s << u":064"_s << true;
    QTest::newRow("another display") << u":64"_s << u":65"_s << false;
    QTest::newRow("another display, screen") << u":64.0"_s << u":6.40"_s << false;
    QTest::newRow("another host") << u":64"_s << u"school:64"_s << false;
    QTest::newRow("two hosts") << u"school:64"_s << u"home:64"_s << false;
}

void SingleInstanceTest::oneDisplayHasOneKey()
{
    QFETCH(QString, display);
    QFETCH(QString, other);
    QFETCH(bool, same);
    const EnvironmentGuard guard;
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_folder->path()));
    QVERIFY(QFile::setPermissions(m_folder->path(), QFileDevice::ReadOwner |
                                                        QFileDevice::WriteOwner |
                                                        QFileDevice::ExeOwner));
    qunsetenv("WAYLAND_DISPLAY");
    qputenv("DISPLAY", display.toLocal8Bit());
    const QString first = LocalSocketInstance::defaultKey();
    qputenv("DISPLAY", other.toLocal8Bit());
    const QString second = LocalSocketInstance::defaultKey();
    QVERIFY(!first.isEmpty());
    QCOMPARE(first == second, same);
    LocalSocketInstance onFirst(first), onSecond(second);
    QVERIFY(!onFirst.anotherCopyRunning());
    QCOMPARE(onSecond.anotherCopyRunning(), same);
}

QTEST_GUILESS_MAIN(SingleInstanceTest)
#include "singleinstance_test.moc"
