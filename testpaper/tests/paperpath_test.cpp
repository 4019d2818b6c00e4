// SPDX-License-Identifier: GPL-3.0-or-later
// How the path box is read: "\" separates folders, "d:\cssj\" is the paper folder, and
// nothing leads out of it.
#include "paperpath.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

class PaperPathTest : public QObject {
    Q_OBJECT

private:
    QString folder() const { return m_dir.filePath(u"cssj"_s); }
    QString outsideError() const
    {
        return u"试卷只能保存在"_s + QDir::toNativeSeparators(folder()) + u"里（不能修改路径）"_s;
    }

    QTemporaryDir m_dir;

private Q_SLOTS:
    void initTestCase();
    void readsThePathBox_data();
    void readsThePathBox();
    void linksOutOfTheFolderAreRefused();
};

void PaperPathTest::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QVERIFY(QDir().mkpath(folder() + u"/单元"_s));
}

void PaperPathTest::readsThePathBox_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("file"); ///< in the paper folder; empty when refused
    QTest::addColumn<QString>("error");
    const QString noName = u"没有试卷名：请在路径的最后输入试卷名"_s;
    const QString outside = outsideError();
    QTest::newRow("the label's own form")
        << u"d:\\cssj\\第二次测验"_s << u"第二次测验.doc"_s << QString();
    QTest::newRow("any case") << u"D:\\CSSJ\\期中"_s << u"期中.doc"_s << QString();
    QTest::newRow("forward slashes") << u"d:/cssj/期末"_s << u"期末.doc"_s << QString();
    QTest::newRow("a name alone") << u"第三次"_s << u"第三次.doc"_s << QString();
    QTest::newRow("a folder inside")
        << u"d:\\cssj\\单元\\第一次"_s << u"单元/第一次.doc"_s << QString();
    QTest::newRow("back again inside") << u"单元\\..\\第四次"_s << u"第四次.doc"_s << QString();
    QTest::newRow("blanks kept") << u" 单元测验 "_s << u" 单元测验 .doc"_s << QString();
    QTest::newRow("the folder as shown") << folder() + u"/第五次"_s << u"第五次.doc"_s << QString();
    QTest::newRow("empty") << QString() << QString() << noName;
    QTest::newRow("blanks only") << u"   "_s << QString() << noName;
    QTest::newRow("the folder alone") << u"d:\\cssj"_s << QString() << noName;
    QTest::newRow("ends in a separator") << u"d:\\cssj\\"_s << QString() << noName;
    QTest::newRow("a folder, no name") << u"d:\\cssj\\单元\\"_s << QString() << noName;
    QTest::newRow("ends in ..") << u"单元\\.."_s << QString() << noName;
    QTest::newRow("up and out") << u"../作文"_s << QString() << outside;
    QTest::newRow("up and out, backslash") << u"..\\作文"_s << QString() << outside;
    QTest::newRow("out through the label's form")
        << u"d:\\cssj\\..\\作文"_s << QString() << outside;
    QTest::newRow("absolute elsewhere") << m_dir.filePath(u"作文"_s) << QString() << outside;
    QTest::newRow("a folder beside it") << folder() + u"2/作文"_s << QString() << outside;
    QTest::newRow("root") << u"/作文"_s << QString() << outside;
    QTest::newRow("another drive") << u"e:\\作文"_s << QString() << outside;
    QTest::newRow("another folder on d:") << u"d:\\其他\\作文"_s << QString() << outside;
    QTest::newRow("a drive without a slash") << u"c:作文"_s << QString() << outside;
}

void PaperPathTest::readsThePathBox()
{
    QFETCH(QString, typed);
    QFETCH(QString, file);
    QFETCH(QString, error);
    const PaperTarget target = PaperTargetFor(folder(), typed);
    QCOMPARE(target.error, error);
    QCOMPARE(target.ok(), error.isEmpty());
    QCOMPARE(target.path,
             file.isEmpty() ? QString() : QDir::toNativeSeparators(folder() + u'/' + file));
}

void PaperPathTest::linksOutOfTheFolderAreRefused()
{
    QVERIFY(QDir().mkpath(m_dir.filePath(u"家里"_s)));
    QVERIFY(QFile::link(m_dir.filePath(u"家里"_s), folder() + u"/外面"_s));
    QVERIFY(QFile::link(m_dir.filePath(u"家里/作文.doc"_s), folder() + u"/链接.doc"_s));
    QVERIFY(QFile::link(folder() + u"/圈.doc"_s, folder() + u"/圈.doc"_s));
    QCOMPARE(PaperTargetFor(folder(), u"外面\\作文"_s).error, outsideError());
    QCOMPARE(PaperTargetFor(folder(), u"链接"_s).error, outsideError());
    QCOMPARE(PaperTargetFor(folder(), u"圈"_s).error, outsideError());
    // A link that stays inside is as good as the folder it names.
    QVERIFY(QFile::link(folder() + u"/单元"_s, folder() + u"/近路"_s));
    QVERIFY(PaperTargetFor(folder(), u"近路\\第六次"_s).ok());
}

QTEST_GUILESS_MAIN(PaperPathTest)
#include "paperpath_test.moc"
