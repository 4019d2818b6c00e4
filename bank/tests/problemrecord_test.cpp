// SPDX-License-Identifier: GPL-3.0-or-later
#include "bankcheck.h"
#include "problemrecord.h"
#include "regularfile.h"
#include "testprint.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace Qt::Literals::StringLiterals;

namespace {

class BankFile : public testing::Test {
protected:
    QString Write(const QByteArray &bytes)
    {
        const QString path = m_dir.filePath(u"tm1.dat"_s);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
        return path;
    }

    static QByteArray Record(const QString &problem, const QString &solution, const QString &answer)
    {
        const EncodedRecord record = EncodeProblemRecord(problem, solution, answer);
        EXPECT_TRUE(record.ok()) << record.error.toStdString();
        return record.bytes;
    }

    QTemporaryDir m_dir;
};

TEST_F(BankFile, CountIgnoresATrailingPiece)
{
    EXPECT_EQ(BankRecordCount(Write(QByteArray(470 * 20 + 100, ' '))), 20);
    EXPECT_EQ(BankRecordCount(Write(QByteArray(469, ' '))), 0);
    EXPECT_EQ(BankRecordCount(Write(QByteArray())), 0);
    EXPECT_EQ(BankRecordCount(m_dir.filePath(u"missing.dat"_s)), 0);
    EXPECT_FALSE(QFile::exists(m_dir.filePath(u"missing.dat"_s)));
}

TEST_F(BankFile, ReadsTheRecordAtItsOffset)
{
    const QString path = Write(Record(u"介绍"_s, u"关系"_s, QString()) +
                               Record(u"小明有3本书，又买了4本，一共有几本？"_s,
                                      u"数量关系：原有+买来=一共。列式：3+4=7（本）。"_s, u"7"_s));
    const BankSnapshot snapshot = ReadBankSnapshot(path, 2);
    EXPECT_EQ(snapshot.RecordCount, 2);
    const ProblemRecord &record = snapshot.record;
    EXPECT_EQ(record.ProblemText.size(), 200);
    EXPECT_EQ(record.SolutionText.size(), 260);
    EXPECT_EQ(record.AnswerText.size(), 10);
    EXPECT_EQ(TextBeforeMarker(record.ProblemText), u"小明有3本书，又买了4本，一共有几本？"_s);
    EXPECT_EQ(TextBeforeMarker(record.SolutionText),
              u"数量关系：原有+买来=一共。列式：3+4=7（本）。"_s);
    EXPECT_EQ(record.AnswerText, u"7         "_s);
    EXPECT_EQ(TextBeforeMarker(ReadProblemRecord(path, 1).ProblemText), u"介绍"_s);
}

TEST_F(BankFile, OutOfRangeRecordsAreBlank)
{
    const QString path = Write(QByteArray(470 * 2, 'a'));
    for (int k : {0, -1, 3, 1000000})
        EXPECT_EQ(ReadProblemRecord(path, k), ProblemRecord::Blank()) << k;
    EXPECT_FALSE(HasMarker(ReadProblemRecord(path, 3).ProblemText));
    EXPECT_EQ(ReadProblemRecord(m_dir.filePath(u"missing.dat"_s), 1), ProblemRecord::Blank());
}

TEST_F(BankFile, NinetyNineChineseCharactersFillTheField)
{
    const QString problem = QString(98, u'题') + u"？"_s;
    const QString path = Write(Record(problem, u"解"_s, u"1"_s));
    EXPECT_EQ(TextBeforeMarker(ReadProblemRecord(path, 1).ProblemText), problem);
}

TEST_F(BankFile, InvalidGbkNeverBreaksTheReader)
{
    QByteArray bytes(470, '\xff');
    bytes[0] = '\x81'; // a lead byte without its trail byte
    bytes[199] = '\xb0';
    bytes[200] = '\xa1';
    const ProblemRecord record = ReadProblemRecord(Write(bytes), 1);
    EXPECT_EQ(record.ProblemText.size(), 200);
    EXPECT_EQ(record.SolutionText.size(), 260);
    EXPECT_EQ(record.AnswerText.size(), 10);
}

// The checker finds damaged bytes by their replacement character, so a character cut off by
// the end of its field must not vanish.
TEST(DecodeProblemRecord, ACharacterCutByTheFieldEndShowsAsDamage)
{
    for (int last : {ProblemTextBytes - 1, RecordBytes - AnswerTextBytes - 1, RecordBytes - 1}) {
        QByteArray bytes(RecordBytes, ' ');
        bytes[last] = '\xb0'; // the first byte of a two-byte character
        const ProblemRecord record = DecodeProblemRecord(bytes);
        const QString all = record.ProblemText + record.SolutionText + record.AnswerText;
        EXPECT_TRUE(all.contains(QChar::ReplacementCharacter)) << last;
    }
    EXPECT_EQ(DecodeGbk("\xb0\xa1"), u"啊"_s);
}

// A FIFO named like a bank would block a plain open() for ever; an oversized file would be
// read whole by the checker. Both behave as a missing bank.
TEST_F(BankFile, OnlyARegularFileOfBoundedSizeIsABank)
{
    const QString fifo = m_dir.filePath(u"tm2.dat"_s);
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString huge = m_dir.filePath(u"tm3.dat"_s);
    QFile file(huge);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_TRUE(file.resize(MaxBankBytes + RecordBytes)); // sparse: no disk used
    file.close();
    for (const QString &path : {fifo, huge, m_dir.path()}) {
        EXPECT_EQ(BankRecordCount(path), 0) << path.toStdString();
        EXPECT_EQ(ReadBankSnapshot(path, 2).RecordCount, 0);
        EXPECT_EQ(ReadProblemRecord(path, 1), ProblemRecord::Blank());
        const QStringList reasons = CheckBankFile(path);
        ASSERT_EQ(reasons.size(), 1);
        EXPECT_TRUE(reasons[0].contains(u"无法打开"_s)) << reasons[0].toStdString();
    }
    EXPECT_EQ(BankRecordCount(Write(QByteArray(MaxBankBytes, ' '))), 32767);
}

TEST(TextBeforeMarker, CutsAtTheFirstMarker)
{
    EXPECT_EQ(TextBeforeMarker(u"一句话。&后面的字&"_s), u"一句话。"_s);
    EXPECT_EQ(TextBeforeMarker(u"没有标记"_s), u"没有标记"_s);
    EXPECT_EQ(TextBeforeMarker(u"&"_s), QString());
}

TEST(WithoutTrailingBlanks, DropsEveryKindOfBlankAtTheEnd)
{
    const std::pair<QString, QString> cases[] = {
        {u"小明有5本书。   "_s, u"小明有5本书。"_s},
        {u"  前后  "_s, u"  前后"_s},
        {u"全角空格\u3000\u3000"_s, u"全角空格"_s},
        {u"制表符\t\r\n"_s, u"制表符"_s},
        {QString(200, u' '), QString()},
        {QString(), QString()},
    };
    for (const auto &[text, expected] : cases)
        EXPECT_EQ(WithoutTrailingBlanks(text), expected) << text.toStdString();
}

TEST(TypedPartOf, EndsAtTheMarkerOrAtTheLastCharacter)
{
    EXPECT_EQ(TypedPartOf(u"a  &  "_s), u"a  "_s);
    EXPECT_EQ(TypedPartOf(u"没有结束符\u3000  "_s), u"没有结束符"_s);
}

TEST(RawProblemRecord, LaysTextsIntoTheFieldsAsTheyStand)
{
    const ProblemRecord record =
        DecodeProblemRecord(RawProblemRecord(QString(150, u'题'), u"解"_s, u"12345678901"_s));
    EXPECT_EQ(record.ProblemText, QString(100, u'题') + QString(100, u' '));
    EXPECT_FALSE(HasMarker(record.SolutionText));
    EXPECT_EQ(record.AnswerText, u"1234567890"_s);
}

TEST(EncodeProblemRecord, RefusesWhatDoesNotFit)
{
    EXPECT_TRUE(EncodeProblemRecord(QString(99, u'题'), u"解"_s, u"1"_s).ok());
    EXPECT_FALSE(EncodeProblemRecord(QString(100, u'题'), u"解"_s, u"1"_s).ok());
    EXPECT_FALSE(EncodeProblemRecord(u"题"_s, QString(130, u'解'), u"1"_s).ok());
    EXPECT_FALSE(EncodeProblemRecord(u"题"_s, u"解"_s, u"12345678901"_s).ok());
    EXPECT_FALSE(EncodeProblemRecord(u"题&"_s, u"解"_s, u"1"_s).ok());
    EXPECT_FALSE(EncodeProblemRecord(u"题😀"_s, u"解"_s, u"1"_s).ok());
    EXPECT_EQ(EncodeProblemRecord(u"题"_s, u"解"_s, u"1"_s).bytes.size(), 470);
}

} // namespace
