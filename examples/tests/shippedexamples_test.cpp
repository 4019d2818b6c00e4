// SPDX-License-Identifier: GPL-3.0-or-later
#include "examplelayout.h"
#include "examplelesson.h"
#include "problemrecord.h"
#include "programsettings.h"
#include "recordingservices.h"
#include "sound.h"
#include "textsurface.h"

#include <QDir>
#include <QStandardPaths>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

// The smallest screen the program runs on, in twips.
constexpr double ScreenWidth = 1024 * 15;
constexpr double ScreenHeight = 768 * 15;

} // namespace

/// Every worked example of every shipped bank: written out whole, clear of the buttons, and
/// with its narration in the program folder.
class ShippedExamplesTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void everyExampleIsShownAndNarrated_data();
    void everyExampleIsShownAndNarrated();
};

void ShippedExamplesTest::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void ShippedExamplesTest::everyExampleIsShownAndNarrated_data()
{
    QTest::addColumn<int>("type");
    for (int type = 1; type <= 5; ++type)
        QTest::addRow("tm%d", type) << type;
}

void ShippedExamplesTest::everyExampleIsShownAndNarrated()
{
    QFETCH(int, type);
    const ProgramSettings settings{QDir::toNativeSeparators(QStringLiteral(LUMARO_BIN_DIR)),
                                   u"\\tm%1.dat"_s.arg(type), u"\\jiangjie%1"_s.arg(type)};
    const int count = BankRecordCount(settings.bankPath());
    QVERIFY2(count >= 2, qPrintable(settings.bankPath()));

    TextSurface surface;
    RecordingSound sound;
    ExampleLesson lesson(surface, sound);
    lesson.load();
    const double buttonsTop = ExampleButtonPlaces(ScreenWidth, ScreenHeight).front().top();
    for (int record = 1; record < count; ++record) {
        lesson.nextExample(settings);
        for (int tick = 0; tick < 1000 && lesson.problemTyping(); ++tick)
            lesson.problemTick();
        for (int tick = 0; tick < 1000 && lesson.solutionTyping(); ++tick)
            lesson.solutionTick();
        QCOMPARE(lesson.phase(), ExampleLesson::Phase::Complete);
        const ProblemRecord shown = ReadProblemRecord(settings.bankPath(), record);
        QString written;
        for (const TextSurface::Run &run : surface.runs()) {
            written += run.text;
            const QString where = u"record %1: %2"_s.arg(record).arg(run.text);
            QVERIFY2(run.at.y() + surface.lineHeight() <= buttonsTop, qPrintable(where));
            QVERIFY2(run.at.x() + run.width <= ScreenWidth, qPrintable(where));
        }
        QVERIFY2(written.contains(TextBeforeMarker(shown.ProblemText)), qPrintable(written));
        QVERIFY2(written.contains(TextBeforeMarker(shown.SolutionText)), qPrintable(written));
    }
    lesson.nextExample(settings);
    QCOMPARE(lesson.phase(), ExampleLesson::Phase::Ended);

    QCOMPARE(sound.played.size(), count);
    for (const QString &path : sound.played)
        QVERIFY2(SoundFilePlayer::isPlayableFile(path), qPrintable(path));
}

QTEST_MAIN(ShippedExamplesTest)
#include "shippedexamples_test.moc"
