// SPDX-License-Identifier: GPL-3.0-or-later
#include "practicesession.h"
#include "textsurface.h"
#include "typewriter.h"

#include <QTest>

using namespace Qt::Literals::StringLiterals;

Q_DECLARE_METATYPE(TypewriterLayout)

namespace {

/// Ticks until the typewriter stops; returns the number of ticks it took.
int runToEnd(Typewriter &writer)
{
    int ticks = 0;
    while (writer.tick() != Typewriter::Step::Finished && ticks < 1000)
        ++ticks;
    return ticks + 1;
}

QString printed(const TextSurface &surface)
{
    QString text;
    for (const TextSurface::Run &run : surface.runs())
        text += run.text;
    return text;
}

} // namespace

class TypewriterTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void firstTickWritesNothing();
    void eachTickWritesOneCharacterAndTheEndStops_data();
    void eachTickWritesOneCharacterAndTheEndStops();
    void linesWrapAndKeepTheMargin_data();
    void linesWrapAndKeepTheMargin();
    void closingMarksNeverStartALine_data();
    void closingMarksNeverStartALine();
    void theHandHangsBelowTheNextCharacter();
    void typedPartOfAField_data();
    void typedPartOfAField();
};

void TypewriterTest::firstTickWritesNothing()
{
    TextSurface surface;
    Typewriter writer(surface, PracticeSession::ProblemLayout);
    writer.start(u" 1、小明有5本书"_s);
    QCOMPARE(writer.tick(), Typewriter::Step::Typed);
    QVERIFY(surface.runs().empty());
    QCOMPARE(writer.written(), QString());
    QCOMPARE(surface.currentX(), 150.0);
    QCOMPARE(writer.tick(), Typewriter::Step::Typed);
    QCOMPARE(printed(surface), u" "_s);
}

void TypewriterTest::eachTickWritesOneCharacterAndTheEndStops_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("finishingTick");
    QTest::newRow("empty text") << QString() << 2;
    QTest::newRow("one character") << u"题"_s << 3;
    // A first problem: " 1、" and 50 characters; the marker after them is met on tick 55.
    QTest::newRow("numbered problem of 50") << u" 1、"_s + QString(50, u'数') << 55;
    QTest::newRow("blanks are written too") << u"a  b"_s << 6;
}

void TypewriterTest::eachTickWritesOneCharacterAndTheEndStops()
{
    QFETCH(QString, text);
    QFETCH(int, finishingTick);
    TextSurface surface;
    Typewriter writer(surface, PracticeSession::SolutionLayout);
    writer.start(text);
    for (int tick = 1; tick < finishingTick; ++tick) {
        QCOMPARE(writer.tick(), Typewriter::Step::Typed);
        QCOMPARE(writer.written(), text.left(tick - 1));
        QCOMPARE(int(surface.runs().size()), tick - 1);
    }
    QCOMPARE(writer.tick(), Typewriter::Step::Finished);
    QVERIFY(!writer.isRunning());
    QCOMPARE(writer.written(), text);
    QCOMPARE(printed(surface), text);
    // Once stopped it writes nothing more, however long its timer would run on.
    QCOMPARE(writer.tick(), Typewriter::Step::Idle);
    QCOMPARE(printed(surface), text);
}

void TypewriterTest::linesWrapAndKeepTheMargin_data()
{
    QTest::addColumn<TypewriterLayout>("layout");
    QTest::newRow("problem: 7000, margin 150") << PracticeSession::ProblemLayout;
    QTest::newRow("solution: 5000, no margin") << PracticeSession::SolutionLayout;
}

void TypewriterTest::linesWrapAndKeepTheMargin()
{
    QFETCH(TypewriterLayout, layout);
    TextSurface surface;
    Typewriter writer(surface, layout);
    const QString text = QString(60, u'题') + u"12345"_s + QString(40, u'解'); // no marks
    writer.start(text);
    runToEnd(writer);
    QCOMPARE(printed(surface), text);

    const double lineHeight = surface.lineHeight();
    double lineTop = 0;
    double previousRight = layout.leftMargin;
    int lines = 1;
    for (const TextSurface::Run &run : surface.runs()) {
        if (run.at.y() != lineTop) {
            // A line ends only once the pen has reached the wrap position.
            QVERIFY2(previousRight >= layout.wrapAt, qPrintable(QString::number(previousRight)));
            QCOMPARE(run.at.y(), lineTop + lineHeight);
            QCOMPARE(run.at.x(), layout.leftMargin);
            lineTop = run.at.y();
            ++lines;
        } else {
            QCOMPARE(run.at.x(), previousRight);
        }
        QVERIFY(run.at.x() >= layout.leftMargin);
        QVERIFY(run.at.x() < layout.wrapAt);
        previousRight = run.at.x() + run.width;
    }
    QVERIFY(lines >= 3);
}

void TypewriterTest::closingMarksNeverStartALine_data()
{
    QTest::addColumn<TypewriterLayout>("layout");
    QTest::addColumn<QString>("marks");
    // How many of the marks stay on the first line; -1: the line's last character moves to
    // the next line with them.
    QTest::addColumn<int>("hanging");
    for (const auto &[name, layout] : {std::pair{"problem", PracticeSession::ProblemLayout},
                                       std::pair{"solution", PracticeSession::SolutionLayout}}) {
        QTest::addRow("%s: full stop", name) << layout << u"。"_s << 1;
        QTest::addRow("%s: question mark", name) << layout << u"？"_s << 1;
        QTest::addRow("%s: ASCII bracket", name) << layout << u")"_s << 1;
        QTest::addRow("%s: an opening bracket wraps", name) << layout << u"（"_s << 0;
    }
    // Past the problem box's wrap position there is room for one mark only; the solution
    // box has room for two.
    QTest::newRow("problem: two marks take the last character along")
        << PracticeSession::ProblemLayout << u"）。"_s << -1;
    QTest::newRow("solution: two marks hang") << PracticeSession::SolutionLayout << u"）。"_s << 2;
}

void TypewriterTest::closingMarksNeverStartALine()
{
    QFETCH(TypewriterLayout, layout);
    QFETCH(QString, marks);
    QFETCH(int, hanging);
    // How many characters fill the first line.
    TextSurface probe;
    Typewriter measure(probe, layout);
    measure.start(QString(100, u'题'));
    runToEnd(measure);
    int perLine = 0;
    while (probe.runs()[perLine].at.y() == 0)
        ++perLine;

    TextSurface surface;
    Typewriter writer(surface, layout);
    const QString text = QString(perLine, u'题') + marks + u"题"_s;
    writer.start(text);
    runToEnd(writer);
    const std::vector<TextSurface::Run> &runs = surface.runs();
    QCOMPARE(int(runs.size()), text.size());
    const double boxWidth = layout.wrapAt == 7000 ? 15360 / 2.0 : 15360 / 2.7 - 100;
    for (int i = 0; i < perLine + hanging; ++i) {
        QCOMPARE(runs[i].at.y(), 0.0);
        QVERIFY(runs[i].at.x() + runs[i].width <= boxWidth);
    }
    const TextSurface::Run &firstOfLine2 = runs[perLine + hanging];
    QVERIFY(firstOfLine2.at.y() > 0);
    QCOMPARE(firstOfLine2.at.x(), layout.leftMargin);
}

void TypewriterTest::theHandHangsBelowTheNextCharacter()
{
    TextSurface surface;
    Typewriter writer(surface, PracticeSession::ProblemLayout);
    writer.start(QString(40, u'题'));
    QCOMPARE(writer.markerPlace(), QPointF(150, PracticeSession::HandDrop));
    while (writer.isRunning()) {
        const std::size_t before = surface.runs().size();
        if (writer.tick() != Typewriter::Step::Typed)
            break;
        if (surface.runs().size() == before)
            continue;
        const QPointF pen = surface.runs().back().at;
        QCOMPARE(writer.markerPlace(), QPointF(pen.x(), pen.y() + PracticeSession::HandDrop));
    }
}

void TypewriterTest::typedPartOfAField_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::newRow("marker") << u"小明有5本书。&    "_s << u"小明有5本书。"_s;
    QTest::newRow("text after the marker") << u"前&后&  "_s << u"前"_s;
    QTest::newRow("blanks before the marker stay") << u"a  &  "_s << u"a  "_s;
    QTest::newRow("marker first") << u"&abc"_s << QString();
    QTest::newRow("no marker: up to the last character") << u"没有结束符   "_s << u"没有结束符"_s;
    QTest::newRow("no marker, blanks only") << QString(200, u' ') << QString();
}

void TypewriterTest::typedPartOfAField()
{
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QCOMPARE(TypedPartOf(field), typed);
}

QTEST_MAIN(TypewriterTest)
#include "typewriter_test.moc"
