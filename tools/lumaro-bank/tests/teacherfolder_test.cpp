// SPDX-License-Identifier: GPL-3.0-or-later
#include "teacherfolder.h"

#include "mistakes.h"
#include "problemrecord.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTextStream>

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace Qt::Literals::StringLiterals;

namespace {

// The menu runs the folder's program whatever its name holds; a name no entry can hold is
// refused rather than written as a broken entry.
TEST(TeacherFolder, TheMenuEntryStartsTheFolderItIsNamedAfter)
{
    const struct {
        QString folder;
        QString name;
        QString exec;
    } cases[] = {
        {u"/home/王老师/我的题库"_s, u"Name=Lumaro（我的题库）"_s,
         u"Exec=\"/home/王老师/我的题库/lumaro\""_s},
        {u"/home/t/三 年 级/"_s, u"Name=Lumaro（三 年 级）"_s,
         u"Exec=\"/home/t/三 年 级/lumaro\""_s},
        {u"/home/t/a\"b$c`d"_s, u"Name=Lumaro（a\"b$c`d）"_s,
         u"Exec=\"/home/t/a\\\\\"b\\\\$c\\\\`d/lumaro\""_s},
        {u"/home/t/a\\b"_s, {}, u"Exec=\"/home/t/a\\\\\\\\b/lumaro\""_s},
        {u"/home/t/100%"_s, {}, u"Exec=\"/home/t/100%%/lumaro\""_s},
        {u"/home/t/two\nlines"_s, {}, {}},
    };
    for (const auto &c : cases) {
        const QString entry = DesktopEntryText(c.folder);
        if (c.exec.isEmpty()) {
            EXPECT_TRUE(entry.isEmpty()) << entry.toStdString();
            continue;
        }
        const QStringList lines = entry.split(u'\n');
        EXPECT_TRUE(lines.contains(c.exec)) << entry.toStdString();
        if (!c.name.isEmpty()) {
            EXPECT_TRUE(lines.contains(c.name)) << entry.toStdString();
        }
    }
    EXPECT_TRUE(
        DesktopEntryText(u"/home/t/a\\b"_s).contains(u"\nTryExec=/home/t/a\\\\b/lumaro\n"_s));
    EXPECT_NE(DesktopEntryFileName(u"/home/t/甲"_s), DesktopEntryFileName(u"/home/t/乙"_s));
}

TEST(TeacherFolder, SilenceIsAWaveOfTheProgramsForm)
{
    const QByteArray wave = SilentWave();
    EXPECT_TRUE(wave.startsWith("RIFF"));
    EXPECT_EQ(wave.mid(8, 8), "WAVEfmt ");
    EXPECT_EQ(wave.mid(36, 4), "data");
    EXPECT_EQ(wave.size(), 44 + 3200);
    EXPECT_EQ(wave.mid(44).count('\0'), 3200);
}

QString TinySource(int type)
{
    QString toml = u"type = "_s % QString::number(type) %
                   u"\ntitle = \"题\"\n[intro]\nproblem = \"介绍\"\nsolution = \"关系\"\n"_s;
    for (int n = 10; n < 25; ++n) {
        const QString a = QString::number(n);
        toml += u"[[problem]]\ntext = \"小明有"_s % a %
                u"本书，又买了3本，现在有多少本？\"\nsolution = \"略。\"\nanswer = \""_s %
                QString::number(n + 3) % u"\"\nexpressions = [\""_s % a %
                u"+3\"]\nequations = [\"x-3="_s % a % u"\"]\nwrong = [\""_s % a % u"-3\"]\n"_s;
    }
    return toml;
}

bool Write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

/// A shipped folder: a program, the sounds, two of the faces in their folder, two banks of
/// three records and their narration.
void LayOutShipped(const QDir &shipped)
{
    ASSERT_TRUE(Write(shipped.filePath(u"lumaro"_s), "#!/bin/sh\n"));
    QFile::setPermissions(shipped.filePath(u"lumaro"_s),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    for (const QString &name :
         {u"ptq.wav"_s, u"dui.wav"_s, u"zhadan.wav"_s, u"alert.wav"_s, u"tm1.dat"_s,
          u"tm1.sha256"_s, u"tm1.mistakes.txt"_s, u"tm2.dat"_s, u"tm2.sha256"_s,
          u"tm2.mistakes.txt"_s, u"jiangjie11.ogg"_s, u"jiangjie13.ogg"_s, u"jiangjie21.ogg"_s,
          u"lumaro-bank"_s, u"lumaro-sound.so"_s})
        ASSERT_TRUE(Write(shipped.filePath(name), "shipped"));
    ASSERT_TRUE(shipped.mkdir(u"fonts"_s));
    for (const QString &face : {u"lumaro-ming.ttf"_s, u"lumaro-serif-bold.otf"_s})
        ASSERT_TRUE(Write(shipped.filePath(u"fonts/"_s + face), "shipped"));
}

struct Made {
    int status;
    QString out;
    QString err;
};

Made MakeFolder(const QTemporaryDir &dir, const QStringList &sources, bool silent = true)
{
    TeacherFolderRequest request;
    request.folder = dir.filePath(u"我的题库"_s);
    request.sources = sources;
    request.shippedFolder = dir.filePath(u"shipped"_s);
    request.silent = silent;
    request.menuFolder = dir.filePath(u"menu"_s);
    QString out;
    QString err;
    QTextStream outStream(&out);
    QTextStream errStream(&err);
    const int status = MakeTeacherFolder(request, outStream, errStream);
    return {status, out, err};
}

TEST(TeacherFolder, BorrowsWhatTheTeacherKeepsAndReplacesTheRest)
{
    QTemporaryDir dir;
    const QDir shipped(dir.filePath(u"shipped"_s));
    QDir().mkpath(shipped.path());
    LayOutShipped(shipped);
    ASSERT_TRUE(Write(dir.filePath(u"mine.toml"_s), TinySource(1).toUtf8()));
    const QDir folder(dir.filePath(u"我的题库"_s));
    QDir().mkpath(folder.path());
    // Made before, with a longer bank.
    ASSERT_TRUE(Write(folder.filePath(u"lumaro"_s), "an older program"));
    ASSERT_TRUE(Write(folder.filePath(u"jiangjie199.ogg"_s), "an old bank's narration"));

    const Made made = MakeFolder(dir, {dir.filePath(u"mine.toml"_s)});
    ASSERT_EQ(made.status, 0) << made.err.toStdString();

    struct stat program {};
    struct stat original {};
    ASSERT_EQ(::stat(QFile::encodeName(folder.filePath(u"lumaro"_s)).constData(), &program), 0);
    ::stat(QFile::encodeName(shipped.filePath(u"lumaro"_s)).constData(), &original);
    EXPECT_EQ(program.st_ino, original.st_ino) << "the program is a hard link";
    EXPECT_FALSE(QFileInfo(folder.filePath(u"lumaro"_s)).isSymLink());

    const struct {
        QString name;
        bool linked;
        bool present;
    } files[] = {
        {u"alert.wav"_s, true, true},
        {u"tm2.dat"_s, true, true},
        {u"tm2.mistakes.txt"_s, true, true},
        {u"tm1.mistakes.txt"_s, false, true},
        {u"jiangjie21.ogg"_s, true, true},
        {u"tm1.dat"_s, false, true},
        {u"tm1.sha256"_s, false, true},
        {u"jiangjie11.ogg"_s, false, true},
        {u"jiangjie116.ogg"_s, false, true},
        {u"jiangjie117.ogg"_s, false, false},
        {u"jiangjie199.ogg"_s, false, false},
        {u"lumaro-bank"_s, false, false},
        {u"lumaro-sound.so"_s, true, true},
        {u"fonts"_s, true, true},
        {u"fonts/lumaro-ming.ttf"_s, false, true},
    };
    for (const auto &file : files) {
        const QFileInfo info(folder.filePath(file.name));
        EXPECT_EQ(info.exists(), file.present) << file.name.toStdString();
        EXPECT_EQ(info.isSymLink(), file.linked) << file.name.toStdString();
    }
    EXPECT_EQ(QFileInfo(folder.filePath(u"tm1.dat"_s)).size(), 16 * RecordBytes);
    // The teacher's explanations belong to the teacher's bank, as the build writes them.
    EXPECT_TRUE(CheckMistakesFile(folder.filePath(u"tm1.dat"_s)).isEmpty());
    EXPECT_EQ(QDir(dir.filePath(u"menu"_s)).entryList(QDir::Files).size(), 1);
}

// Without a speech engine the teacher's examples are silent, never the shipped narration,
// and the teacher is told how to have them spoken.
TEST(TeacherFolder, WithoutASpeechEngineTheExamplesAreSilent)
{
    QTemporaryDir dir;
    QDir().mkpath(dir.filePath(u"shipped"_s));
    LayOutShipped(QDir(dir.filePath(u"shipped"_s)));
    ASSERT_TRUE(Write(dir.filePath(u"mine.toml"_s), TinySource(1).toUtf8()));
    const Made made = MakeFolder(dir, {dir.filePath(u"mine.toml"_s)}, false);
    ASSERT_EQ(made.status, 0) << made.err.toStdString();
    EXPECT_TRUE(made.out.contains(u"sudo apt install espeak-ng sox opus-tools"_s))
        << made.out.toStdString();
    QFile narration(dir.filePath(u"我的题库/jiangjie11.ogg"_s));
    ASSERT_TRUE(narration.open(QIODevice::ReadOnly));
    EXPECT_EQ(narration.readAll(), SilentWave());
}

// A faulty source, two of one type, or a folder of other files makes nothing: no folder
// (or nothing in it), no menu entry.
TEST(TeacherFolder, MakesNothingFromAFaultySource)
{
    const struct {
        const char *fault;
        QStringList sources;
        QString said;
    } cases[] = {
        {"a wrong answer", {TinySource(1).replace(u"\"13\""_s, u"\"14\""_s)}, u"答案却写 14"_s},
        {"two of a type", {TinySource(2), TinySource(2)}, u"每种题型只能有一个源文件"_s},
        {"no type", {TinySource(9)}, u"type 必须是 1 到 5"_s},
        {"a folder of other files", {TinySource(1)}, u"已经有别的文件"_s},
    };
    for (const auto &c : cases) {
        QTemporaryDir dir;
        QDir().mkpath(dir.filePath(u"shipped"_s));
        LayOutShipped(QDir(dir.filePath(u"shipped"_s)));
        const bool occupied = c.said.contains(u"别的文件"_s);
        if (occupied) {
            QDir().mkpath(dir.filePath(u"我的题库"_s));
            ASSERT_TRUE(Write(dir.filePath(u"我的题库/alert.wav"_s), "the teacher's own"));
        }
        QStringList paths;
        for (const QString &source : c.sources) {
            paths.append(dir.filePath(u"s"_s + QString::number(paths.size()) + u".toml"_s));
            ASSERT_TRUE(Write(paths.last(), source.toUtf8()));
        }
        const Made made = MakeFolder(dir, paths);
        EXPECT_EQ(made.status, 1) << c.fault;
        EXPECT_TRUE(made.err.contains(c.said)) << c.fault << ": " << made.err.toStdString();
        EXPECT_EQ(QDir(dir.filePath(u"我的题库"_s)).entryList(QDir::Files),
                  occupied ? QStringList{u"alert.wav"_s} : QStringList{})
            << c.fault;
        EXPECT_FALSE(QFileInfo(dir.filePath(u"我的题库/alert.wav"_s)).isSymLink()) << c.fault;
        EXPECT_FALSE(QFileInfo::exists(dir.filePath(u"menu"_s))) << c.fault;
    }
}

} // namespace
