// SPDX-License-Identifier: GPL-3.0-or-later
// Saving a paper: GBK text under the pupil's name plus ".doc", and failures that tell.
#include "papersaver.h"
#include "problemrecord.h"
#include "smalldisk.h"
#include "testmessages.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <csignal>
#include <cstdio>

#include <functional>

#include <grp.h>
#include <pwd.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString Paper = u" 1、小明有15个苹果，吃了3个，还剩几个？\r\n\r\n"
                      u" 2、一本书有128页，看了75页，还剩多少页？\r\n\r\n"_s;

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

/// Runs check in a child process as a user without the superuser's right to write anywhere;
/// its exit code.
int AsOrdinaryUser(const std::function<int()> &check)
{
    constexpr uid_t Nobody = 65534;
    const pid_t child = fork();
    if (child == 0) {
        if (geteuid() == 0 &&
            (setgroups(0, nullptr) != 0 || setgid(Nobody) != 0 || setuid(Nobody) != 0))
            _exit(NoSmallFilesystem);
        _exit(check());
    }
    int status = 0;
    if (child < 0 || waitpid(child, &status, 0) != child || !WIFEXITED(status))
        return -1;
    return WEXITSTATUS(status);
}

/// Makes the home folder as setup describes, in a fresh folder of the user running check;
/// then whether saving in its documents' paper folder fails for the reason expected.
int PaperFolderFailure(const QString &setup, const QString &expected)
{
    const QTemporaryDir dir(QDir::tempPath() + u"/lumaro-folder-XXXXXX"_s);
    const QString home = dir.path() + u"/home"_s;
    const QString documents = home + u"/Documents"_s;
    if (!dir.isValid() || !QDir().mkpath(setup == u"home read-only"_s ? home : documents))
        return 20;
    const QFile::Permissions readOnly = QFile::ReadOwner | QFile::ExeOwner;
    if (setup == u"home read-only"_s)
        QFile::setPermissions(home, readOnly);
    else if (setup == u"documents read-only"_s)
        QFile::setPermissions(documents, readOnly);
    else if (setup == u"a file in its place"_s)
        QFile(documents + u"/cssj"_s).open(QIODevice::WriteOnly);
    else if (setup == u"a link to nowhere"_s)
        QFile::link(home + u"/gone"_s, documents + u"/cssj"_s);
    else if (setup == u"a loop of links"_s)
        QFile::link(documents + u"/cssj"_s, documents + u"/cssj"_s);
    const PaperStore store(documents + u"/cssj"_s);
    const bool made = store.makeFolder();
    const SaveOutcome outcome = store.save(Paper, u"期末"_s);
    QFile::setPermissions(home, readOnly | QFile::WriteOwner);
    QFile::setPermissions(documents, readOnly | QFile::WriteOwner);
    if (made || !outcome.error.startsWith(expected)) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(setup), qPrintable(outcome.error));
        return 21;
    }
    return 0;
}

/// Paper storage whose disk has room for only so many bytes.
class FullDiskStore final : public PaperStore {
public:
    FullDiskStore(QString folder, qint64 room, int cause)
        : PaperStore(std::move(folder)), m_room(room), m_cause(cause)
    {
    }

protected:
    std::unique_ptr<QSaveFile> draftFor(const QString &path) const override
    {
        return std::make_unique<FullDiskFile>(path, m_room, m_cause);
    }

private:
    qint64 m_room;
    int m_cause;
};

/// The earlier paper is as it was, and nothing else lies beside it.
void earlierPaperKept(const QString &folder, const QString &path)
{
    QCOMPARE(contents(path), "earlier paper"_ba);
    QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System),
             QStringList{QFileInfo(path).fileName()});
}

} // namespace

class PaperSaverTest : public QObject {
    Q_OBJECT

private:
    /// A fresh folder for papers, not yet made.
    QString newFolder() { return m_dir.filePath(u"papers%1/cssj"_s.arg(++m_folders)); }

    QTemporaryDir m_dir;
    int m_folders = 0;

private Q_SLOTS:
    void initTestCase();
    void defaultNameAndToolTipNameTheFolder();
    void savesInGbkUnderTheDefaultName();
    void fileNames_data();
    void fileNames();
    void secondSaveReplacesTheFirst();
    void missingFolderIsReported();
    void aFolderThatCannotBeMadeSaysWhy_data();
    void aFolderThatCannotBeMadeSaysWhy();
    void aReadOnlyDiskIsNamed();
    void withoutHomeTheFolderIsTheAccountsOwn();
    void failedSaveKeepsTheEarlierPaper();
    void readOnlyFolderIsReported();
    void readOnlyEarlierPaperIsReported();
    void namesThatLeadNowhereAreRefused_data();
    void namesThatLeadNowhereAreRefused();
    void folderInTheWayIsReported();
    void aFailedWriteKeepsTheEarlierPaper_data();
    void aFailedWriteKeepsTheEarlierPaper();
    void aFileSizeLimitKeepsTheEarlierPaper();
    void aFullFilesystemKeepsTheEarlierPaper();
    void charactersOutsideGbkBecomeQuestionMarks_data();
    void charactersOutsideGbkBecomeQuestionMarks();
};

void PaperSaverTest::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(m_dir.isValid());
}

void PaperSaverTest::defaultNameAndToolTipNameTheFolder()
{
    const QString folder = newFolder();
    const PaperStore store(folder);
    QCOMPARE(store.defaultPaperFileName(), QDir::toNativeSeparators(folder + u"/试卷名"_s));
    QCOMPARE(store.toolTip(), u"试题保存在"_s + QDir::toNativeSeparators(folder));
    QVERIFY(PaperStore::DocumentsFolder().endsWith(u"cssj"_s));
}

void PaperSaverTest::savesInGbkUnderTheDefaultName()
{
    const QString folder = newFolder();
    const PaperStore store(folder);
    const SaveOutcome outcome = store.save(Paper, store.defaultPaperFileName());
    QVERIFY2(outcome.ok(), qPrintable(outcome.error));
    const QString path = folder + u"/试卷名.doc"_s;
    QCOMPARE(outcome.path, QDir::toNativeSeparators(path));
    const QByteArray bytes = contents(path);
    QCOMPARE(bytes, *EncodeGbk(Paper));
    // Two bytes for each Chinese character, one for each digit, blank, CR and LF.
    QVERIFY(bytes.startsWith("\x20\x31\xa1\xa2\xd0\xa1\xc3\xf7"));
    QCOMPARE(DecodeGbk(bytes), Paper);
}

void PaperSaverTest::fileNames_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("file");
    QTest::newRow("a paper name") << u"第一次测验"_s << u"第一次测验.doc"_s;
    QTest::newRow("already .doc") << u"期中.doc"_s << u"期中.doc.doc"_s;
    QTest::newRow("blank kept") << u"单元 测验 "_s << u"单元 测验 .doc"_s;
}

void PaperSaverTest::fileNames()
{
    QFETCH(QString, typed);
    QFETCH(QString, file);
    const QString folder = newFolder();
    const PaperStore store(folder);
    // As typed into the path box, folder and all; and just the name on its own.
    const QString inFolder = QDir::toNativeSeparators(folder + u'/' + typed);
    QVERIFY(store.save(Paper, inFolder).ok());
    QCOMPARE(contents(folder + u'/' + file), *EncodeGbk(Paper));
    QVERIFY(QFile::remove(folder + u'/' + file));
    QCOMPARE(store.pathFor(typed), QDir::toNativeSeparators(folder + u'/' + file));
    QVERIFY(store.save(Paper, typed).ok());
    QVERIFY(QFile::exists(folder + u'/' + file));
}

void PaperSaverTest::secondSaveReplacesTheFirst()
{
    const PaperStore store(newFolder());
    const QString name = store.defaultPaperFileName();
    QVERIFY(store.save(Paper, name).ok());
    const QString second = u" 1、第二张试卷\r\n\r\n"_s;
    const SaveOutcome outcome = store.save(second, name);
    QVERIFY(outcome.ok());
    QCOMPARE(contents(outcome.path), *EncodeGbk(second));
    // Nothing left behind beside it.
    QCOMPARE(QDir(store.folder()).entryList(QDir::Files).size(), 1);
}

void PaperSaverTest::missingFolderIsReported()
{
    const PaperStore store(newFolder());
    const QString name = store.folder() + u"/nowhere/第一次测验"_s;
    const SaveOutcome outcome = store.save(Paper, name);
    QVERIFY(!outcome.ok());
    QCOMPARE(outcome.error, u"文件夹不存在"_s);
    QCOMPARE(outcome.path, QDir::toNativeSeparators(name + u".doc"_s));
    QVERIFY(!QFile::exists(name + u".doc"_s));
    const Message message = TestMessages::SaveFailed(outcome);
    QCOMPARE(message.text, u"试卷没有保存：\r\n文件夹不存在\r\n"_s + outcome.path);
    QCOMPARE(message.icon, Message::Icon::Critical);
}

void PaperSaverTest::aFolderThatCannotBeMadeSaysWhy_data()
{
    QTest::addColumn<QString>("setup");
    QTest::addColumn<QString>("reason");
    QTest::newRow("home read-only") << u"home read-only"_s << u"没有写入权限"_s;
    QTest::newRow("documents read-only") << u"documents read-only"_s << u"没有写入权限"_s;
    QTest::newRow("a file in its place")
        << u"a file in its place"_s << u"有一个同名文件挡住了文件夹"_s;
    QTest::newRow("a link to nowhere")
        << u"a link to nowhere"_s << u"有一个指向不存在的地方的链接挡住了文件夹"_s;
    QTest::newRow("a loop of links") << u"a loop of links"_s << u"有一个绕成圈的链接挡住了文件夹"_s;
}

void PaperSaverTest::aFolderThatCannotBeMadeSaysWhy()
{
    QFETCH(QString, setup);
    QFETCH(QString, reason);
    const int result = AsOrdinaryUser([&] { return PaperFolderFailure(setup, reason); });
    if (result == NoSmallFilesystem)
        QSKIP("the superuser cannot become an ordinary user here");
    // 21: the wrong reason, printed above.
    QCOMPARE(result, 0);
}

void PaperSaverTest::aReadOnlyDiskIsNamed()
{
    const QString mountPoint = m_dir.filePath(u"read-only-disk"_s);
    QVERIFY(QDir().mkpath(mountPoint));
    const int result = InSmallFilesystem(
        mountPoint,
        [&mountPoint] {
            const PaperStore store(mountPoint + u"/Documents/cssj"_s);
            const SaveOutcome outcome = store.save(Paper, u"期末"_s);
            return outcome.error.startsWith(u"磁盘只读"_s) ? 0 : 12;
        },
        MS_RDONLY);
    if (result == NoSmallFilesystem)
        QSKIP("no user namespace for a filesystem of the test's own");
    QCOMPARE(result, 0);
}

void PaperSaverTest::withoutHomeTheFolderIsTheAccountsOwn()
{
    const QByteArray home = qgetenv("HOME");
    qunsetenv("HOME");
    const QString folder = PaperStore::DocumentsFolder();
    qputenv("HOME", home);
    const passwd *account = getpwuid(getuid());
    QVERIFY(account);
    QCOMPARE(folder, QDir::cleanPath(QFile::decodeName(account->pw_dir)) + u"/Documents/cssj"_s);
    QVERIFY(!PaperStore(folder).defaultPaperFileName().contains(u"//"_s));
}

void PaperSaverTest::failedSaveKeepsTheEarlierPaper()
{
    // A name so long that no temporary file fits beside it: the save fails before it
    // touches the paper already there.
    const PaperStore store(newFolder());
    QVERIFY(store.makeFolder());
    const QString name = QString(248, u'a');
    const QString path = store.folder() + u'/' + name + u".doc"_s;
    writeFile(path, "earlier paper");
    const SaveOutcome outcome = store.save(Paper, name);
    QVERIFY(!outcome.ok());
    QCOMPARE(outcome.error, u"试卷名太长"_s);
    QCOMPARE(contents(path), "earlier paper"_ba);
    QCOMPARE(QDir(store.folder()).entryList(QDir::Files).size(), 1);
}

void PaperSaverTest::readOnlyFolderIsReported()
{
    if (geteuid() == 0)
        QSKIP("the superuser writes into read-only folders");
    const PaperStore store(newFolder());
    QVERIFY(store.makeFolder());
    const QString path = store.folder() + u"/期末.doc"_s;
    writeFile(path, "earlier paper");
    QVERIFY(QFile::setPermissions(store.folder(), QFile::ReadOwner | QFile::ExeOwner));
    const SaveOutcome outcome = store.save(Paper, u"期末"_s);
    QFile::setPermissions(store.folder(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QVERIFY(!outcome.ok());
    QCOMPARE(outcome.error, u"没有写入这个文件夹的权限"_s);
    QCOMPARE(contents(path), "earlier paper"_ba);
}

void PaperSaverTest::readOnlyEarlierPaperIsReported()
{
    if (geteuid() == 0)
        QSKIP("the superuser replaces read-only files");
    const PaperStore store(newFolder());
    QVERIFY(store.makeFolder());
    const QString path = store.folder() + u"/期末.doc"_s;
    writeFile(path, "earlier paper");
    QVERIFY(QFile::setPermissions(path, QFile::ReadOwner));
    const SaveOutcome outcome = store.save(Paper, u"期末"_s);
    QCOMPARE(outcome.error, u"已有同名的试卷，它是只读的，不能替换；请换一个试卷名"_s);
    earlierPaperKept(store.folder(), path);
}

void PaperSaverTest::namesThatLeadNowhereAreRefused_data()
{
    QTest::addColumn<QString>("typed");
    QTest::newRow("empty") << QString();
    QTest::newRow("ends in a separator") << u"d:\\cssj\\"_s;
    QTest::newRow("up and out") << u"../作文"_s;
}

void PaperSaverTest::namesThatLeadNowhereAreRefused()
{
    QFETCH(QString, typed);
    // The user's own essay beside the paper folder is never touched.
    const PaperStore store(newFolder());
    QVERIFY(store.makeFolder());
    const QString essay = QFileInfo(store.folder()).absolutePath() + u"/作文.doc"_s;
    writeFile(essay, "earlier paper");
    const SaveOutcome outcome = store.save(Paper, typed);
    QVERIFY(!outcome.ok());
    QVERIFY(outcome.path.isEmpty());
    QCOMPARE(contents(essay), "earlier paper"_ba);
    QVERIFY(QDir(store.folder()).entryList(QDir::Files | QDir::Hidden).isEmpty());
    QCOMPARE(TestMessages::SaveFailed(outcome).text, u"试卷没有保存：\r\n"_s + outcome.error);
}

void PaperSaverTest::folderInTheWayIsReported()
{
    const PaperStore store(newFolder());
    QVERIFY(QDir().mkpath(store.folder() + u"/作业.doc"_s));
    const SaveOutcome outcome = store.save(Paper, u"作业"_s);
    QVERIFY(!outcome.ok());
    QCOMPARE(outcome.error, u"已经有同名的文件夹"_s);
}

void PaperSaverTest::aFailedWriteKeepsTheEarlierPaper_data()
{
    QTest::addColumn<qint64>("room");
    QTest::addColumn<int>("cause");
    QTest::addColumn<QString>("reason");
    QTest::newRow("full before the first byte") << qint64(0) << ENOSPC << u"磁盘已满"_s;
    QTest::newRow("full after ten bytes") << qint64(10) << ENOSPC << u"磁盘已满"_s;
    QTest::newRow("quota used up") << qint64(10) << EDQUOT << u"磁盘已满"_s;
    QTest::newRow("a failing disk") << qint64(10) << EIO << u"磁盘读写出错"_s;
}

void PaperSaverTest::aFailedWriteKeepsTheEarlierPaper()
{
    QFETCH(qint64, room);
    QFETCH(int, cause);
    QFETCH(QString, reason);
    const FullDiskStore store(newFolder(), room, cause);
    QVERIFY(store.makeFolder());
    const QString path = store.folder() + u"/期末.doc"_s;
    writeFile(path, "earlier paper");
    const SaveOutcome outcome = store.save(Paper, u"期末"_s);
    QCOMPARE(outcome.error, reason);
    earlierPaperKept(store.folder(), path);
    QCOMPARE(TestMessages::SaveFailed(outcome).text,
             u"试卷没有保存：\r\n"_s + reason + u"\r\n"_s + outcome.path);
}

void PaperSaverTest::aFileSizeLimitKeepsTheEarlierPaper()
{
    // A real file that cannot grow past 16 bytes: the write fails part-way, as on a full
    // disk, and the temporary file must never take the earlier paper's place.
    const PaperStore store(newFolder());
    QVERIFY(store.makeFolder());
    const QString path = store.folder() + u"/期末.doc"_s;
    writeFile(path, "earlier paper");
    rlimit before{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &before), 0);
    rlimit limited = before;
    limited.rlim_cur = 16;
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &limited), 0);
    const SaveOutcome outcome = store.save(Paper, u"期末"_s);
    setrlimit(RLIMIT_FSIZE, &before);
    std::signal(SIGXFSZ, previousHandler);
    QCOMPARE(outcome.error, u"试卷超出了允许写入的文件大小"_s);
    earlierPaperKept(store.folder(), path);
}

void PaperSaverTest::aFullFilesystemKeepsTheEarlierPaper()
{
    const QString mountPoint = m_dir.filePath(u"small-disk"_s);
    QVERIFY(QDir().mkpath(mountPoint));
    const int result = InSmallFilesystem(mountPoint, [&mountPoint] {
        const PaperStore store(mountPoint + u"/cssj"_s);
        if (!store.makeFolder())
            return 10;
        const QString path = store.folder() + u"/期末.doc"_s;
        writeFile(path, "earlier paper");
        if (!FillDisk(mountPoint + u"/filler"_s))
            return 11;
        const SaveOutcome outcome = store.save(Paper.repeated(20), u"期末"_s);
        if (outcome.error != u"磁盘已满"_s)
            return 12;
        if (contents(path) != "earlier paper"_ba)
            return 13;
        return QDir(store.folder()).entryList(QDir::Files | QDir::Hidden).size() == 1 ? 0 : 14;
    });
    if (result == NoSmallFilesystem)
        QSKIP("no user namespace for a small filesystem of the test's own");
    // 12: the wrong reason, 13: the earlier paper changed, 14: a file left behind.
    QCOMPARE(result, 0);
}

void PaperSaverTest::charactersOutsideGbkBecomeQuestionMarks_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("plain") << u"12"_s << "12"_ba;
    QTest::newRow("Chinese") << u"答"_s << "\xb4\xf0"_ba;
    QTest::newRow("emoji") << u"a\U0001F600b"_s << "a?b"_ba;
    QTest::newRow("Thai") << u"1\u0E012"_s << "1?2"_ba;
    QTest::newRow("mixed") << u"答\U0001F600答"_s << "\xb4\xf0?\xb4\xf0"_ba;
}

void PaperSaverTest::charactersOutsideGbkBecomeQuestionMarks()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QCOMPARE(GbkWithSubstitutes(text), bytes);
}

QTEST_GUILESS_MAIN(PaperSaverTest)
#include "papersaver_test.moc"
