// SPDX-License-Identifier: GPL-3.0-or-later
// Two copies of the program, as two processes.
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int Patience = 20000; // ms; generous for a loaded machine, never reached when all is well

/// One copy of the program, started with a single-instance key of the test's own.
class Copy {
public:
    explicit Copy(const QString &key, const QStringList &options = {})
    {
        const QString probe =
            QDir(QCoreApplication::applicationDirPath()).filePath(u"lumaro-instance-probe"_s);
        m_process.setProgram(probe);
        m_process.setArguments(QStringList{key} + options);
        m_process.start();
    }
    ~Copy()
    {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.kill();
            m_process.waitForFinished(Patience);
        }
    }

    /// Waits until the copy has written the line; false if it never does.
    bool waitForLine(const QString &line)
    {
        while (!m_lines.contains(line)) {
            if (!m_process.waitForReadyRead(Patience))
                return false;
            while (m_process.canReadLine())
                m_lines.append(QString::fromUtf8(m_process.readLine()).chopped(1));
        }
        return true;
    }
    bool finish()
    {
        if (!m_process.waitForFinished(Patience))
            return false;
        const QStringList rest =
            QString::fromUtf8(m_process.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
        m_lines += rest;
        return true;
    }
    void crash()
    {
        m_process.kill();
        m_process.waitForFinished(Patience);
    }
    QStringList lines() const { return m_lines; }
    int exitCode() const { return m_process.exitCode(); }
    QProcess::ExitStatus exitStatus() const { return m_process.exitStatus(); }

private:
    QProcess m_process;
    QStringList m_lines;
};

} // namespace

class InstanceTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void aSecondCopyShowsTheMessageRaisesTheFirstAndEnds();
    void aCrashedCopyNeverBlocksTheNext();
    void aCopyWithoutAWindowMakesWayForTheNext();

private:
    QString key() const { return m_folder->filePath(u"lumaro.instance"_s); }
    std::unique_ptr<QTemporaryDir> m_folder;
};

void InstanceTest::init()
{
    m_folder = std::make_unique<QTemporaryDir>();
    QVERIFY(m_folder->isValid());
}

void InstanceTest::aSecondCopyShowsTheMessageRaisesTheFirstAndEnds()
{
    Copy first(key());
    QVERIFY(first.waitForLine(u"running"_s));
    Copy second(key());
    QVERIFY(second.finish());
    QCOMPARE(second.exitStatus(), QProcess::NormalExit);
    QCOMPARE(second.exitCode(), 0);
    QCOMPARE(second.lines(),
             (QStringList{u"message\tLumaro\t这程序已执行\tcritical"_s, u"ended"_s}));
    QVERIFY(first.waitForLine(u"raised"_s));
    QCOMPARE(first.lines(), (QStringList{u"running"_s, u"raised"_s}));
}

void InstanceTest::aCrashedCopyNeverBlocksTheNext()
{
    {
        Copy crashing(key());
        QVERIFY(crashing.waitForLine(u"running"_s));
        crashing.crash();
    }
    QVERIFY(QFileInfo::exists(key()));
    Copy next(key());
    QVERIFY(next.waitForLine(u"running"_s));
    QCOMPARE(next.lines(), QStringList{u"running"_s});
}

void InstanceTest::aCopyWithoutAWindowMakesWayForTheNext()
{
    Copy windowless(key(), {u"hide"_s});
    QVERIFY(windowless.waitForLine(u"hidden"_s));
    Copy next(key());
    QVERIFY(next.waitForLine(u"running"_s));
    QCOMPARE(next.lines(), QStringList{u"running"_s});
    QVERIFY(windowless.finish());
    QCOMPARE(windowless.exitStatus(), QProcess::NormalExit);
    QCOMPARE(windowless.lines(), (QStringList{u"running"_s, u"hidden"_s, u"gave up"_s}));
    // The next copy holds the place now: a third start finds it.
    Copy third(key());
    QVERIFY(third.finish());
    QCOMPARE(third.lines(),
             (QStringList{u"message\tLumaro\t这程序已执行\tcritical"_s, u"ended"_s}));
}

QTEST_GUILESS_MAIN(InstanceTest)
#include "instance_test.moc"
