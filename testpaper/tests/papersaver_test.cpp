// SPDX-License-Identifier: GPL-3.0-or-later
// Saving a paper: GBK text under the pupil's name plus ".doc", and failures that tell.
#include "papersaver.h"
#include "problemrecord.h"
#include "testmessages.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

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

} // namespace

class PaperSaverTest : public QObject {
    Q_OBJECT

private:
    /// A fresh folder for papers, not yet made.
    QString newFolder() { return m_dir.filePath(u"papers%1/cssj"_s.arg(++m_folders)); }

    QTemporaryDir m_dir;
    int m_folders = 0;

private Q_SLOTS:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(m_dir.isValid());
    }

    void defaultNameAndToolTipNameTheFolder()
    {
        const QString folder = newFolder();
        const PaperStore store(folder);
        QCOMPARE(store.defaultPaperFileName(), QDir::toNativeSeparators(folder + u"/试卷名"_s));
        QCOMPARE(store.toolTip(), u"试题保存在"_s + QDir::toNativeSeparators(folder));
        QVERIFY(PaperStore::DocumentsFolder().endsWith(u"cssj"_s));
    }

    void savesInGbkUnderTheDefaultName()
    {
        const QString folder = newFolder();
        const PaperStore store(folder);
        const SaveOutcome outcome = store.save(Paper, store.defaultPaperFileName());
        QVERIFY2(outcome.ok(), qPrintable(outcome.Error));
        const QString path = folder + u"/试卷名.doc"_s;
        QCOMPARE(outcome.Path, QDir::toNativeSeparators(path));
        const QByteArray bytes = contents(path);
        QCOMPARE(bytes, *EncodeGbk(Paper));
        // Two bytes for each Chinese character, one for each digit, blank, CR and LF.
        QVERIFY(bytes.startsWith("\x20\x31\xa1\xa2\xd0\xa1\xc3\xf7"));
        QCOMPARE(DecodeGbk(bytes), Paper);
    }

    void fileNames_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("file");
        QTest::newRow("a paper name") << u"第一次测验"_s << u"第一次测验.doc"_s;
        QTest::newRow("already .doc") << u"期中.doc"_s << u"期中.doc.doc"_s;
        QTest::newRow("blank kept") << u"单元 测验 "_s << u"单元 测验 .doc"_s;
    }

    void fileNames()
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

    void secondSaveReplacesTheFirst()
    {
        const PaperStore store(newFolder());
        const QString name = store.defaultPaperFileName();
        QVERIFY(store.save(Paper, name).ok());
        const QString second = u" 1、第二张试卷\r\n\r\n"_s;
        const SaveOutcome outcome = store.save(second, name);
        QVERIFY(outcome.ok());
        QCOMPARE(contents(outcome.Path), *EncodeGbk(second));
        // Nothing left behind beside it.
        QCOMPARE(QDir(store.folder()).entryList(QDir::Files).size(), 1);
    }

    void missingFolderIsReported()
    {
        const PaperStore store(newFolder());
        const QString name = m_dir.filePath(u"nowhere/第一次测验"_s);
        const SaveOutcome outcome = store.save(Paper, name);
        QVERIFY(!outcome.ok());
        QCOMPARE(outcome.Error, u"文件夹不存在"_s);
        QCOMPARE(outcome.Path, QDir::toNativeSeparators(name + u".doc"_s));
        QVERIFY(!QFile::exists(name + u".doc"_s));
        const Message message = TestMessages::SaveFailed(outcome);
        QCOMPARE(message.text, u"试卷没有保存：\r\n文件夹不存在\r\n"_s + outcome.Path);
        QCOMPARE(message.icon, Message::Icon::Critical);
    }

    void failedSaveKeepsTheEarlierPaper()
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
        QCOMPARE(outcome.Error, u"试卷名太长"_s);
        QCOMPARE(contents(path), "earlier paper"_ba);
        QCOMPARE(QDir(store.folder()).entryList(QDir::Files).size(), 1);
    }

    void readOnlyFolderIsReported()
    {
        if (geteuid() == 0)
            QSKIP("the superuser writes into read-only folders");
        const PaperStore store(newFolder());
        QVERIFY(store.makeFolder());
        const QString path = store.folder() + u"/期末.doc"_s;
        writeFile(path, "earlier paper");
        QVERIFY(QFile::setPermissions(store.folder(), QFile::ReadOwner | QFile::ExeOwner));
        const SaveOutcome outcome = store.save(Paper, u"期末"_s);
        QFile::setPermissions(store.folder(),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QVERIFY(!outcome.ok());
        QCOMPARE(outcome.Error, u"没有写入这个文件夹的权限"_s);
        QCOMPARE(contents(path), "earlier paper"_ba);
    }

    void folderInTheWayIsReported()
    {
        const PaperStore store(newFolder());
        QVERIFY(QDir().mkpath(store.folder() + u"/作业.doc"_s));
        const SaveOutcome outcome = store.save(Paper, u"作业"_s);
        QVERIFY(!outcome.ok());
        QCOMPARE(outcome.Error, u"已经有同名的文件夹"_s);
    }

    void charactersOutsideGbkBecomeQuestionMarks_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("plain") << u"12"_s << "12"_ba;
        QTest::newRow("Chinese") << u"答"_s << "\xb4\xf0"_ba;
        QTest::newRow("emoji") << u"a\U0001F600b"_s << "a?b"_ba;
        QTest::newRow("Thai") << u"1\u0E012"_s << "1?2"_ba;
        QTest::newRow("mixed") << u"答\U0001F600答"_s << "\xb4\xf0?\xb4\xf0"_ba;
    }

    void charactersOutsideGbkBecomeQuestionMarks()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QCOMPARE(GbkWithSubstitutes(text), bytes);
    }
};

QTEST_GUILESS_MAIN(PaperSaverTest)
#include "papersaver_test.moc"
