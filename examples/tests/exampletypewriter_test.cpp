// SPDX-License-Identifier: GPL-3.0-or-later
#include "examplelesson.h"
#include "problemrecord.h"
#include "textsurface.h"
#include "typewriter.h"

#include <QTest>

#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace {

enum class Kind { Problem, Solution };

const double WrapX = ExampleLesson::ProblemLayout.wrapAt;
const double LeftMargin = ExampleLesson::ProblemLayout.leftMargin;

/// The board's typewriter as the lesson drives it: a bank field after `indent` blanks, ended
/// by its marker.
class ExampleTypewriter {
public:
    ExampleTypewriter(TextSurface &surface, Kind kind)
        : m_writer(surface, kind == Kind::Problem ? ExampleLesson::ProblemLayout
                                                  : ExampleLesson::SolutionLayout)
    {
    }
    void start(const QString &field, int indent, bool clauseBreaks = false)
    {
        m_writer.start(QString(indent, u' ') + TypedPartOf(field),
                       clauseBreaks ? Typewriter::Breaks::AfterClauses
                                    : Typewriter::Breaks::AtWrap);
    }
    /// True on the tick that reaches the marker.
    bool tick() { return m_writer.tick() == Typewriter::Step::Finished; }
    int ticks() const { return m_writer.ticks(); }
    bool finished() const { return m_writer.ticks() > 0 && !m_writer.isRunning(); }
    QPointF markerPlace() const { return m_writer.markerPlace(); }

private:
    Typewriter m_writer;
};

} // namespace

Q_DECLARE_METATYPE(Kind)

namespace {

/// Everything printed on the surface so far, in order.
QString written(const TextSurface &surface)
{
    QString text;
    for (const TextSurface::Run &run : surface.runs())
        text += run.text;
    return text;
}

/// A surface as the examples write on it.
void prepareBoard(TextSurface &surface)
{
    surface.setFontName(u"新宋体"_s);
    surface.setFontSize(18);
}

/// Ticks until the marker is reached; returns the tick that reached it, or 0 if none did.
int tickToMarker(ExampleTypewriter &typewriter, int limit = 1000)
{
    for (int tick = 1; tick <= limit; ++tick) {
        if (typewriter.tick())
            return tick;
    }
    return 0;
}

} // namespace

class ExampleTypewriterTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void theProblemOpensTwoLinesDownAndRevealsNothingAtFirst();
    void revealsOneCharacterPerTick_data();
    void revealsOneCharacterPerTick();
    void stopsOnTheTickThatReachesTheMarker_data();
    void stopsOnTheTickThatReachesTheMarker();
    void aFieldWithoutItsMarkerEndsWhereItsTextEnds_data();
    void aFieldWithoutItsMarkerEndsWhereItsTextEnds();
    void nothingStartsLeftOfTheMargin_data();
    void nothingStartsLeftOfTheMargin();
    void linesWrapAtTwelveThousandTwipsDoubleSpaced();
    void closingPunctuationHangsRatherThanStartALine_data();
    void closingPunctuationHangsRatherThanStartALine();
    void theMarkerNeverWrapsTheLine();
    void clausesOfASolutionStartNewLines_data();
    void clausesOfASolutionStartNewLines();
    void theMarkerFollowsThePen_data();
    void theMarkerFollowsThePen();
};

void ExampleTypewriterTest::theProblemOpensTwoLinesDownAndRevealsNothingAtFirst()
{
    TextSurface surface;
    prepareBoard(surface);
    ExampleTypewriter typewriter(surface, Kind::Problem);
    typewriter.start(u"小明有3本书&"_s, 3);
    QVERIFY(!typewriter.tick());
    QCOMPARE(typewriter.ticks(), 1);
    QVERIFY(surface.runs().empty());
    QCOMPARE(surface.currentY(), 2 * surface.lineHeight());
    QCOMPARE(surface.currentX(), LeftMargin);
    QCOMPARE(typewriter.markerPlace(), QPointF(2100, 2 * surface.lineHeight() + 300));
}

void ExampleTypewriterTest::revealsOneCharacterPerTick_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<int>("indent");
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("ticks");
    QTest::addColumn<QString>("expected");
    const QString problem = u"小明有3本书&"_s;
    QTest::newRow("problem, first tick") << Kind::Problem << 0 << problem << 1 << QString();
    QTest::newRow("problem, second tick") << Kind::Problem << 0 << problem << 2 << u"小"_s;
    QTest::newRow("problem, fifth tick") << Kind::Problem << 0 << problem << 5 << u"小明有3"_s;
    QTest::newRow("indented, blanks first") << Kind::Problem << 3 << problem << 4 << u"   "_s;
    QTest::newRow("indented, then the text") << Kind::Problem << 3 << problem << 6 << u"   小明"_s;
    QTest::newRow("solution") << Kind::Solution << 0 << u"列式：3+4=7&"_s << 6 << u"列式：3+"_s;
    QTest::newRow("whole text") << Kind::Solution << 0 << u"3+4=7&"_s << 6 << u"3+4=7"_s;
}

void ExampleTypewriterTest::revealsOneCharacterPerTick()
{
    QFETCH(Kind, kind);
    QFETCH(int, indent);
    QFETCH(QString, field);
    QFETCH(int, ticks);
    QFETCH(QString, expected);
    TextSurface surface;
    prepareBoard(surface);
    ExampleTypewriter typewriter(surface, kind);
    typewriter.start(field.leftJustified(200), indent);
    for (int tick = 0; tick < ticks; ++tick)
        QVERIFY(!typewriter.tick());
    QCOMPARE(written(surface), expected);
    QCOMPARE(int(surface.runs().size()), int(expected.size()));
}

void ExampleTypewriterTest::stopsOnTheTickThatReachesTheMarker_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<int>("indent");
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("markerTick");
    QTest::addColumn<QString>("expected");
    QTest::newRow("problem") << Kind::Problem << 0 << u"甲乙&丙丁"_s << 4 << u"甲乙"_s;
    QTest::newRow("problem after blanks") << Kind::Problem << 3 << u"甲乙&"_s << 7 << u"   甲乙"_s;
    QTest::newRow("empty problem") << Kind::Problem << 0 << u"&"_s << 2 << QString();
    QTest::newRow("solution") << Kind::Solution << 0 << u"答：5本。&&"_s << 7 << u"答：5本。"_s;
    QTest::newRow("a full field") << Kind::Solution << 0 << QString(259, u'解') + u'&' << 261
                                  << QString(259, u'解');
}

void ExampleTypewriterTest::stopsOnTheTickThatReachesTheMarker()
{
    QFETCH(Kind, kind);
    QFETCH(int, indent);
    QFETCH(QString, field);
    QFETCH(int, markerTick);
    QFETCH(QString, expected);
    TextSurface surface;
    prepareBoard(surface);
    ExampleTypewriter typewriter(surface, kind);
    typewriter.start(field.leftJustified(260), indent);
    QCOMPARE(tickToMarker(typewriter), markerTick);
    QVERIFY(typewriter.finished());
    QCOMPARE(written(surface), expected);

    // Later ticks change nothing.
    const QPointF pen(surface.currentX(), surface.currentY());
    const QPointF marker = typewriter.markerPlace();
    QVERIFY(!typewriter.tick());
    QCOMPARE(typewriter.ticks(), markerTick);
    QCOMPARE(written(surface), expected);
    QCOMPARE(QPointF(surface.currentX(), surface.currentY()), pen);
    QCOMPARE(typewriter.markerPlace(), marker);
}

void ExampleTypewriterTest::aFieldWithoutItsMarkerEndsWhereItsTextEnds_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("markerTick");
    QTest::addColumn<QString>("expected");
    QTest::newRow("problem, padded")
        << Kind::Problem << u"甲乙丙"_s.leftJustified(200) << 5 << u"甲乙丙"_s;
    QTest::newRow("solution, padded")
        << Kind::Solution << u"列式：3+4=7"_s.leftJustified(260) << 10 << u"列式：3+4=7"_s;
    QTest::newRow("problem, full")
        << Kind::Problem << QString(200, u'题') << 202 << QString(200, u'题');
    QTest::newRow("blank record") << Kind::Problem << QString(200, u' ') << 2 << QString();
    QTest::newRow("blank solution") << Kind::Solution << QString(260, u' ') << 2 << QString();
}

void ExampleTypewriterTest::aFieldWithoutItsMarkerEndsWhereItsTextEnds()
{
    QFETCH(Kind, kind);
    QFETCH(QString, field);
    QFETCH(int, markerTick);
    QFETCH(QString, expected);
    TextSurface surface;
    prepareBoard(surface);
    ExampleTypewriter typewriter(surface, kind);
    typewriter.start(field, 0);
    QCOMPARE(tickToMarker(typewriter), markerTick);
    QCOMPARE(written(surface), expected);
    QVERIFY(!typewriter.tick());
    QCOMPARE(written(surface), expected);
}

void ExampleTypewriterTest::nothingStartsLeftOfTheMargin_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<double>("penX");
    QTest::addColumn<double>("firstX");
    QTest::newRow("problem, from the left edge") << Kind::Problem << 0.0 << 2000.0;
    QTest::newRow("problem, from mid-line") << Kind::Problem << 5000.0 << 2000.0;
    QTest::newRow("solution, from the left edge") << Kind::Solution << 0.0 << 2000.0;
    QTest::newRow("solution, left of the margin") << Kind::Solution << 1550.0 << 2000.0;
    QTest::newRow("solution, on the margin") << Kind::Solution << 2000.0 << 2000.0;
    QTest::newRow("solution, right of the margin") << Kind::Solution << 2450.0 << 2450.0;
}

void ExampleTypewriterTest::nothingStartsLeftOfTheMargin()
{
    QFETCH(Kind, kind);
    QFETCH(double, penX);
    QFETCH(double, firstX);
    TextSurface surface;
    prepareBoard(surface);
    surface.setCurrentX(penX);
    ExampleTypewriter typewriter(surface, kind);
    typewriter.start(u"甲，乙丙&"_s, 0, true);
    tickToMarker(typewriter);
    QCOMPARE(int(surface.runs().size()), 4);
    QCOMPARE(surface.runs().front().at.x(), firstX);
    for (const TextSurface::Run &run : surface.runs())
        QVERIFY2(run.at.x() >= LeftMargin, qPrintable(run.text));
}

void ExampleTypewriterTest::linesWrapAtTwelveThousandTwipsDoubleSpaced()
{
    TextSurface surface;
    prepareBoard(surface);
    ExampleTypewriter typewriter(surface, Kind::Problem);
    typewriter.start(QString(99, u'题') + u'&', 0);
    tickToMarker(typewriter);
    QCOMPARE(int(surface.runs().size()), 99);

    const double width = surface.textWidth(u"题"_s);
    const double height = surface.lineHeight();
    const int perLine = int(std::ceil((WrapX - 2000) / width));
    QVERIFY(perLine > 10);
    for (int i = 0; i < 99; ++i) {
        const TextSurface::Run &run = surface.runs()[i];
        const int line = i / perLine;
        const int column = i % perLine;
        QCOMPARE(run.at.x(), 2000 + column * width);
        QCOMPARE(run.at.y(), (2 + 2 * line) * height);
        QVERIFY(run.at.x() < WrapX);
        if (column == perLine - 1)
            QVERIFY(run.at.x() + width >= WrapX);
    }
}

void ExampleTypewriterTest::closingPunctuationHangsRatherThanStartALine_data()
{
    QTest::addColumn<QString>("punctuation");
    QTest::newRow("question mark") << u"？"_s;
    QTest::newRow("comma") << u"，"_s;
    QTest::newRow("full stop and closing bracket") << u"。）"_s;
    QTest::newRow("ASCII full stop") << u"."_s;
    QTest::newRow("blank") << u" "_s;
}

void ExampleTypewriterTest::closingPunctuationHangsRatherThanStartALine()
{
    QFETCH(QString, punctuation);
    TextSurface surface;
    prepareBoard(surface);
    const double width = surface.textWidth(u"题"_s);
    const int perLine = int(std::ceil((WrapX - 2000) / width));
    ExampleTypewriter typewriter(surface, Kind::Problem);
    typewriter.start(QString(perLine, u'题') + punctuation + u"多&"_s, 0);
    tickToMarker(typewriter);

    const auto &runs = surface.runs();
    QCOMPARE(int(runs.size()), perLine + int(punctuation.size()) + 1);
    const double firstLine = runs.front().at.y();
    for (int i = perLine; i < perLine + int(punctuation.size()); ++i) {
        QCOMPARE(runs[i].at.y(), firstLine);
        QVERIFY(runs[i].at.x() >= WrapX);
    }
    QCOMPARE(runs.back().at, QPointF(2000, firstLine + 2 * surface.lineHeight()));
}

void ExampleTypewriterTest::theMarkerNeverWrapsTheLine()
{
    TextSurface surface;
    prepareBoard(surface);
    const double width = surface.textWidth(u"题"_s);
    const int perLine = int(std::ceil((WrapX - 2000) / width));
    ExampleTypewriter typewriter(surface, Kind::Problem);
    typewriter.start(QString(perLine, u'题') + u'&', 0);
    QCOMPARE(tickToMarker(typewriter), perLine + 2);
    QVERIFY(surface.currentX() >= WrapX);
    QCOMPARE(surface.currentY(), surface.runs().back().at.y());
}

void ExampleTypewriterTest::clausesOfASolutionStartNewLines_data()
{
    QTest::addColumn<bool>("clauseBreaks");
    QTest::addColumn<QList<int>>("lines"); // the line of each character printed
    QTest::newRow("example") << true << QList<int>{0, 0, 0, 1, 1, 2, 2, 3, 3, 4, 4, 4};
    QTest::newRow("introduction") << false << QList<int>(12, 0);
}

void ExampleTypewriterTest::clausesOfASolutionStartNewLines()
{
    QFETCH(bool, clauseBreaks);
    QFETCH(QList<int>, lines);
    TextSurface surface;
    prepareBoard(surface);
    ExampleTypewriter typewriter(surface, Kind::Solution);
    typewriter.start(u"列式：5，答。是 三个8&"_s, 0, clauseBreaks);
    tickToMarker(typewriter);
    QCOMPARE(int(surface.runs().size()), int(lines.size()));
    const double height = surface.lineHeight();
    double lastY = -1;
    for (int i = 0; i < int(lines.size()); ++i) {
        const TextSurface::Run &run = surface.runs()[i];
        QCOMPARE(run.at.y(), lines[i] * height);
        if (run.at.y() != lastY)
            QCOMPARE(run.at.x(), LeftMargin);
        lastY = run.at.y();
    }
}

void ExampleTypewriterTest::theMarkerFollowsThePen_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<double>("nudgeAtMargin");
    QTest::addColumn<double>("nudgeInLine");
    QTest::newRow("problem") << Kind::Problem << 100.0 << 100.0;
    QTest::newRow("solution") << Kind::Solution << 100.0 << 0.0;
}

void ExampleTypewriterTest::theMarkerFollowsThePen()
{
    QFETCH(Kind, kind);
    QFETCH(double, nudgeAtMargin);
    QFETCH(double, nudgeInLine);
    TextSurface surface;
    prepareBoard(surface);
    ExampleTypewriter typewriter(surface, kind);
    typewriter.start(QString(40, u'题') + u'&', 0);
    QVERIFY(!typewriter.tick()); // reveals nothing
    while (!typewriter.tick()) {
        const TextSurface::Run &run = surface.runs().back();
        const double nudge = run.at.x() == 2000 ? nudgeAtMargin : nudgeInLine;
        QCOMPARE(typewriter.markerPlace(), QPointF(run.at.x() + nudge, run.at.y() + 300));
    }
}

QTEST_MAIN(ExampleTypewriterTest)
#include "exampletypewriter_test.moc"
