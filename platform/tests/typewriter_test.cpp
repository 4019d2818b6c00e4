// SPDX-License-Identifier: GPL-3.0-or-later
#include "textsurface.h"
#include "typewriter.h"

#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

// Ten of these fill a line.
const QString FullLine = u"一二三四五六七八九十"_s;

/// A box whose lines wrap after ten full-width characters and that has room for `room` more
/// past the wrap position.
TypewriterLayout boxOfTen(double room, double margin = 0)
{
    TextSurface probe;
    probe.setFontName(u"宋体"_s);
    probe.setFontSize(12);
    const double width = probe.textWidth(u"一"_s);
    return {.wrapAt = margin + 10 * width - 1,
            .leftMargin = margin,
            .rightEdge = margin + (10 + room) * width,
            .fontName = u"宋体"_s,
            .fontSize = 12};
}

/// Writes the text to its end; returns the lines as a reader sees them.
QStringList typed(const QString &text, const TypewriterLayout &layout,
                  Typewriter::Breaks breaks = Typewriter::Breaks::AtWrap)
{
    TextSurface surface;
    Typewriter writer(surface, layout);
    writer.start(text, breaks);
    for (int tick = 0; tick < 1000 && writer.tick() != Typewriter::Step::Finished; ++tick) {
    }
    return surface.writtenText().split(u'\n');
}

} // namespace

class TypewriterTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void linesBreakAsAChineseReaderExpects_data();
    void linesBreakAsAChineseReaderExpects();
    void theEndNeverMovesThePen();
    void theMarkerFollowsThePen();
};

void TypewriterTest::linesBreakAsAChineseReaderExpects_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("room"); // characters the box holds past the wrap position
    QTest::addColumn<QStringList>("lines");
    const QString next = u"甲"_s;
    for (const QString &mark :
         {u"，"_s, u"。"_s, u"、"_s, u"；"_s, u"："_s, u"？"_s, u"！"_s, u"）"_s, u"」"_s, u"』"_s,
          u"”"_s, u"…"_s, u"》"_s, u"."_s, u","_s, u")"_s, u"]"_s, u" "_s}) {
        QTest::addRow("%s hangs past the wrap position",
                      qPrintable(mark == u" "_s ? u"a blank"_s : mark))
            << FullLine + mark + next << 1.0 << QStringList{FullLine + mark, next};
    }
    QTest::newRow("an ellipsis stays whole")
        << FullLine + u"……甲"_s << 2.0 << QStringList{FullLine + u"……"_s, next};
    QTest::newRow("closing quote after a full stop")
        << FullLine + u"。”甲"_s << 2.0 << QStringList{FullLine + u"。”"_s, next};
    QTest::newRow("no room for both marks: the last character goes along")
        << FullLine + u"。”甲"_s << 1.0 << QStringList{u"一二三四五六七八九"_s, u"十。”甲"_s};
    QTest::newRow("no room at all: the last character goes along")
        << FullLine + u"。甲"_s << 0.0 << QStringList{u"一二三四五六七八九"_s, u"十。甲"_s};
    QTest::newRow("an opening bracket starts the next line")
        << FullLine + u"（甲）"_s << 1.0 << QStringList{FullLine, u"（甲）"_s};
    QTest::newRow("an opening bracket never ends a line")
        << u"一二三四五六七八九“甲”"_s << 1.0 << QStringList{u"一二三四五六七八九"_s, u"“甲”"_s};
    QTest::newRow("an opening bracket at the end of the text stays")
        << u"一二三四五六七八九（"_s << 1.0 << QStringList{u"一二三四五六七八九（"_s};
    QTest::newRow("other characters wrap")
        << FullLine + u"甲乙"_s << 1.0 << QStringList{FullLine, u"甲乙"_s};
}

void TypewriterTest::linesBreakAsAChineseReaderExpects()
{
    QFETCH(QString, text);
    QFETCH(double, room);
    QFETCH(QStringList, lines);
    QCOMPARE(typed(text, boxOfTen(room)), lines);
}

void TypewriterTest::theEndNeverMovesThePen()
{
    // A text that fills its line exactly: the next text may run on along the same line.
    TextSurface surface;
    Typewriter writer(surface, boxOfTen(1));
    writer.start(FullLine);
    while (writer.tick() != Typewriter::Step::Finished) {
    }
    QCOMPARE(surface.currentY(), 0.0);
    QVERIFY(surface.currentX() >= writer.layout().wrapAt);
}

void TypewriterTest::theMarkerFollowsThePen()
{
    TypewriterLayout layout = boxOfTen(1, 300);
    layout.marker = {0, 250};
    layout.markerAtMargin = {100, 300};
    TextSurface surface;
    Typewriter writer(surface, layout);
    writer.start(FullLine + FullLine);
    QCOMPARE(writer.markerPlace(), QPointF(400, 300));
    QCOMPARE(writer.tick(), Typewriter::Step::Typed); // puts the pen in place
    while (writer.tick() == Typewriter::Step::Typed) {
        const TextSurface::Run &run = surface.runs().back();
        const QPointF offset = run.at.x() == 300 ? QPointF(100, 300) : QPointF(0, 250);
        QCOMPARE(writer.markerPlace(), run.at + offset);
    }
}

QTEST_MAIN(TypewriterTest)
#include "typewriter_test.moc"
