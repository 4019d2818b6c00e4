// SPDX-License-Identifier: GPL-3.0-or-later
// Finding the printer off the window's thread, within a time limit.
#include "paperprinter.h"
#include "printerlookup.h"
#include "printserverstandins.h"

#include <QSignalSpy>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

const PrintQueue Classroom{u"教室打印机"_s, true, true};
const PrintQueue Office{u"办公室"_s, false, true};

QList<QueueLookup> lookupsOf(const QSignalSpy &spy)
{
    QList<QueueLookup> lookups;
    for (const QList<QVariant> &arguments : spy)
        lookups.append(arguments.front().value<QueueLookup>());
    return lookups;
}

} // namespace

Q_DECLARE_METATYPE(QueueLookup)

class PrinterLookupTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void anAnswerWithinTheTimeLimitIsGiven();
    void aServerThatDoesNotAnswerIsGivenUpAtTheTimeLimit();
    void aLookupGoneBeforeTheServerAnswersIsLeftAlone();
    void startingOverCountsOnlyTheLatestAnswer();
    void theQueueChosen_data();
    void theQueueChosen();
};

void PrinterLookupTest::anAnswerWithinTheTimeLimitIsGiven()
{
    ThreadsOfTheTest threads;
    auto server = std::make_shared<GatedPrintServer>();
    server->queuesToGive = {Office, Classroom};
    PrinterLookup lookup(server, threads.runner());
    QSignalSpy finished(&lookup, &PrinterLookup::finished);
    lookup.start();
    QVERIFY(lookup.isRunning());
    server->open();
    threads.join();
    QVERIFY(finished.isEmpty()); // given on the window's thread, not the lookup's
    QCoreApplication::sendPostedEvents();
    QCOMPARE(finished.size(), 1);
    const QueueLookup answer = lookupsOf(finished).front();
    QVERIFY(answer.answered);
    QCOMPARE(answer.queues, (QList<PrintQueue>{Office, Classroom}));
    QVERIFY(!lookup.isRunning());
    // The time limit passing afterwards changes nothing.
    lookup.timeLimitReached();
    QCOMPARE(finished.size(), 1);
}

void PrinterLookupTest::aServerThatDoesNotAnswerIsGivenUpAtTheTimeLimit()
{
    ThreadsOfTheTest threads;
    auto server = std::make_shared<GatedPrintServer>();
    server->queuesToGive = {Classroom};
    PrinterLookup lookup(server, threads.runner());
    QSignalSpy finished(&lookup, &PrinterLookup::finished);
    lookup.start();
    // A few seconds, not the minutes a hanging server takes.
    QVERIFY(PrinterLookup::TimeLimitMs >= 1000 && PrinterLookup::TimeLimitMs <= 5000);
    lookup.timeLimitReached();
    QCOMPARE(finished.size(), 1);
    QVERIFY(!lookupsOf(finished).front().answered);
    QVERIFY(!lookup.isRunning());
    // The server's answer at last is dropped.
    server->open();
    threads.join();
    QCoreApplication::sendPostedEvents();
    QCOMPARE(finished.size(), 1);
}

void PrinterLookupTest::aLookupGoneBeforeTheServerAnswersIsLeftAlone()
{
    ThreadsOfTheTest threads;
    auto server = std::make_shared<GatedPrintServer>();
    {
        PrinterLookup lookup(server, threads.runner());
        lookup.start();
    }
    // The thread answers into a lookup that is no more: nothing is touched.
    server->open();
    threads.join();
    QCoreApplication::sendPostedEvents();
}

void PrinterLookupTest::startingOverCountsOnlyTheLatestAnswer()
{
    ThreadsOfTheTest threads;
    auto server = std::make_shared<GatedPrintServer>();
    PrinterLookup lookup(server, threads.runner());
    QSignalSpy finished(&lookup, &PrinterLookup::finished);
    lookup.start();
    lookup.start();
    server->open();
    threads.join();
    QCoreApplication::sendPostedEvents();
    QCOMPARE(finished.size(), 1);
}

void PrinterLookupTest::theQueueChosen_data()
{
    QTest::addColumn<QList<PrintQueue>>("queues");
    QTest::addColumn<PrinterChoice>("chosen");
    const PrintQueue turningAway{u"教室打印机"_s, true, false};
    QTest::newRow("the default") << QList<PrintQueue>{Office, Classroom}
                                 << PrinterChoice{Classroom.name, true, true, true};
    QTest::newRow("the default turning jobs away")
        << QList<PrintQueue>{Office, turningAway}
        << PrinterChoice{Classroom.name, true, true, false};
    QTest::newRow("no default: the first")
        << QList<PrintQueue>{Office} << PrinterChoice{Office.name, true, false, true};
    QTest::newRow("none") << QList<PrintQueue>{} << PrinterChoice{};
}

void PrinterLookupTest::theQueueChosen()
{
    QFETCH(QList<PrintQueue>, queues);
    QFETCH(PrinterChoice, chosen);
    QCOMPARE(ChoosePrinter(queues), chosen);
}

QTEST_GUILESS_MAIN(PrinterLookupTest)
#include "printerlookup_test.moc"
