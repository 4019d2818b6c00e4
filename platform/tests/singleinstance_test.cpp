// SPDX-License-Identifier: GPL-3.0-or-later
#include "singleinstance.h"

#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>

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

QTEST_GUILESS_MAIN(SingleInstanceTest)
#include "singleinstance_test.moc"
