// SPDX-License-Identifier: GPL-3.0-or-later
// The explanations of typical mistakes: which pupil lines they meet, and the file beside a
// bank that brings them, which gives none rather than wrong ones when it is damaged.
#include "mistakes.h"
#include "problemrecord.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

using namespace Qt::Literals::StringLiterals;

namespace {

QByteArray Record(const QString &problem, const QString &solution, const QString &answer)
{
    return EncodeProblemRecord(problem, solution, answer).bytes;
}

const QByteArray Bank =
    Record(u"加减应用题介绍"_s, u"先找数量关系"_s, QString()) +
    Record(u"鸡有46只，鸭比鸡多18只，鸭有几只？"_s, u"列式：46+18=64（只）。"_s, u"64"_s) +
    Record(u"鸡有46只，鸭比鸡少18只，鸭有几只？"_s, u"列式：46-18=28（只）。"_s, u"28"_s);

const QList<MistakeNote> Notes = {{2, u"46-18"_s, u"鸭比鸡多，要用加法，不能用减法。"_s},
                                  {3, u"46+18"_s, u"鸭比鸡少，要用减法。"_s}};

bool WriteFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}

QByteArray Hex(QByteArrayView bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
}

/// A file whose checksums hold, around a body that is itself unsound.
QByteArray SealedBody(const QByteArray &body)
{
    return "LUMARO-MISTAKES 1 " + Hex(Bank) + ' ' + Hex(body) + "\r\n" + body;
}

struct Folder {
    QTemporaryDir dir;
    QString bank = dir.filePath(u"tm1.dat"_s);
    QString mistakes = dir.filePath(u"tm1.mistakes.txt"_s);
};

TEST(MatchesWrongLine, ComparesByValueAsTheJudgeDoes)
{
    const struct {
        QString pupil;
        QString wrong;
        bool matches;
    } cases[] = {
        {u"46-18"_s, u"46-18"_s, true},
        {u"46 - 18"_s, u"46-18"_s, true},
        {u"28"_s, u"46-18"_s, true},
        {u"-18+46"_s, u"46-18"_s, true},
        {u"x=46-18"_s, u"46-18"_s, true}, // an equation holds with x the wrong value
        {u"x+18=46"_s, u"46-18"_s, true},
        {u"3:4"_s, u"75%"_s, true}, // ratios and percentages read as the judge reads
        {u"46+18"_s, u"46-18"_s, false},
        {u"27"_s, u"46-18"_s, false},
        {u"(46-18"_s, u"46-18"_s, false}, // a bracket error has no value
        {u""_s, u"46-18"_s, false},
        {u"x-18=46"_s, u"x+18=46"_s, false}, // an equation wrong line meets only itself
        {u"x + 18=46"_s, u"x+18=46"_s, true},
        {u"5/0"_s, u"46-18"_s, false},
    };
    for (const auto &c : cases)
        EXPECT_EQ(MatchesWrongLine(c.pupil, c.wrong), c.matches)
            << c.pupil.toStdString() << " against " << c.wrong.toStdString();
}

TEST(ExplanationFor, GivesTheFirstMatchingNoteOfTheRecord)
{
    const QList<MistakeNote> notes = {{2, u"46-18"_s, u"要用加法。"_s},
                                      {2, u"18-46"_s, u"小数不能减大数。"_s}};
    EXPECT_EQ(ExplanationFor(notes, u"46-18"_s), u"要用加法。"_s);
    EXPECT_EQ(ExplanationFor(notes, u"18-46"_s), u"小数不能减大数。"_s);
    EXPECT_EQ(ExplanationFor(notes, u"46*18"_s), QString());
    EXPECT_EQ(NotesOfRecord(Notes, 3), QList<MistakeNote>{Notes[1]});
}

TEST(MistakeBook, ReadsBackWhatWasWrittenForItsBank)
{
    Folder folder;
    ASSERT_TRUE(WriteFile(folder.bank, Bank));
    ASSERT_TRUE(WriteFile(folder.mistakes, MistakesFileBytes(Notes, Bank)));
    const MistakeBook book = ReadMistakeBook(folder.bank);
    EXPECT_EQ(book.fileState, MistakeBook::State::Sound) << book.damage.toStdString();
    EXPECT_EQ(book.notes, Notes);
    EXPECT_TRUE(CheckMistakesFile(folder.bank).isEmpty());
    EXPECT_EQ(MistakesPath(u"/p/tm3.dat"_s), u"/p/tm3.mistakes.txt"_s);
}

TEST(MistakeBook, AMissingFileMeansNoExplanationsAndNoFault)
{
    Folder folder;
    ASSERT_TRUE(WriteFile(folder.bank, Bank));
    const MistakeBook book = ReadMistakeBook(folder.bank);
    EXPECT_EQ(book.fileState, MistakeBook::State::Missing);
    EXPECT_TRUE(book.notes.isEmpty());
    EXPECT_TRUE(CheckMistakesFile(folder.bank).isEmpty());
}

// Every damage gives no explanations at all: never one shown for the wrong problem, never
// garbled text.
TEST(MistakeBook, ADamagedFileGivesNoExplanations)
{
    const QByteArray good = MistakesFileBytes(Notes, Bank);
    const struct {
        const char *damage;
        std::function<void(Folder &)> make;
    } cases[] = {
        {"a byte changed",
         [&](Folder &f) {
             QByteArray bytes = good;
             bytes[bytes.size() - 5] = 'X';
             WriteFile(f.mistakes, bytes);
         }},
        {"cut short", [&](Folder &f) { WriteFile(f.mistakes, good.left(good.size() - 3)); }},
        {"empty", [&](Folder &f) { WriteFile(f.mistakes, {}); }},
        {"another bank's",
         [&](Folder &f) {
             WriteFile(f.mistakes, MistakesFileBytes(Notes, QByteArray(Bank + Bank)));
         }},
        {"the bank rebuilt since",
         [&](Folder &f) {
             WriteFile(f.mistakes, good);
             WriteFile(f.bank, Bank.left(2 * RecordBytes));
         }},
        {"not GBK",
         [&](Folder &f) { WriteFile(f.mistakes, SealedBody("2\t46-18\t\xff\xff\r\n")); }},
        {"record past the bank",
         [&](Folder &f) { WriteFile(f.mistakes, SealedBody("4\t46-18\tabc\r\n")); }},
        {"the introduction",
         [&](Folder &f) { WriteFile(f.mistakes, SealedBody("1\t46-18\tabc\r\n")); }},
        {"two fields", [&](Folder &f) { WriteFile(f.mistakes, SealedBody("2\t46-18\r\n")); }},
        {"too long",
         [&](Folder &f) {
             WriteFile(f.mistakes,
                       SealedBody(QByteArray("2\t46-18\t" + QByteArray(41, 'a') + "\r\n")));
         }},
        {"no line end", [&](Folder &f) { WriteFile(f.mistakes, SealedBody("2\t46-18\tabc")); }},
        {"a folder", [&](Folder &f) { QDir().mkpath(f.mistakes); }},
    };
    for (const auto &c : cases) {
        Folder folder;
        ASSERT_TRUE(WriteFile(folder.bank, Bank));
        c.make(folder);
        const MistakeBook book = ReadMistakeBook(folder.bank);
        EXPECT_EQ(book.fileState, MistakeBook::State::Damaged) << c.damage;
        EXPECT_TRUE(book.notes.isEmpty()) << c.damage;
        EXPECT_EQ(CheckMistakesFile(folder.bank).size(), 1) << c.damage;
    }
}

// A sound file can still hold a note the judge would never meet: a line judged right.
TEST(CheckMistakesFile, NamesANoteWhoseLineIsJudgedRight)
{
    Folder folder;
    ASSERT_TRUE(WriteFile(folder.bank, Bank));
    const QList<MistakeNote> notes = {{2, u"46+18"_s, u"要用减法。"_s}};
    ASSERT_TRUE(WriteFile(folder.mistakes, MistakesFileBytes(notes, Bank)));
    const QStringList faults = CheckMistakesFile(folder.bank);
    ASSERT_EQ(faults.size(), 2);
    EXPECT_TRUE(faults[0].contains(u"记录 2"_s) && faults[0].contains(u"在练习中被判为对"_s))
        << faults[0].toStdString();
}

} // namespace
