// SPDX-License-Identifier: GPL-3.0-or-later
// Printing against a real print server of the test's own (scripts/with-private-cups.sh): its
// default queue turns jobs away, its queue "open" takes them.
#include "paperdocument.h"
#include "paperpreview.h"
#include "paperprinter.h"
#include "printingmessages.h"
#include "printserverstandins.h"
#include "recordingservices.h"

#include <QTest>

#include <csignal>

#include <cups/cups.h>

using namespace Qt::Literals::StringLiterals;

namespace {

const PrintQueue TurningAway{u"turning-away"_s, true, false};
const PrintQueue Open{u"open"_s, false, true};

/// The jobs the server holds for queue, done or not.
int JobsOf(const char *queue)
{
    cups_job_t *jobs = nullptr;
    const int count = cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, queue, 0, CUPS_WHICHJOBS_ALL);
    cupsFreeJobs(count, jobs);
    return count;
}

/// A preview printing through the private server.
struct Bench {
    ThreadsOfTheTest threads;
    SystemPaperPrinter printer{std::make_shared<CupsPrintServer>(), threads.runner()};
    PaperDocument pages;
    PrintSettings settings;
    RecordingMessages messages;
    PaperPreview preview{pages,
                         [] { return u" 1、小明有5本书，又买来3本，现在有几本？\r\n\r\n"_s; },
                         [this] { return settings; }, messages, printer};
    /// Lets the lookup's answer through.
    void answered()
    {
        threads.join();
        QCoreApplication::sendPostedEvents();
    }
};

} // namespace

class CupsPrintingTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void theQueuesAndWhetherTheyTakeJobs();
    void aDefaultQueueTurningJobsAwayIsToldBeforeAnythingIsSent();
    void aDocumentTheServerTurnsAwayIsNotTakenForPrinted();
    void aStoppedServerIsGivenUpAndTheUserTold();
};

void CupsPrintingTest::init()
{
    if (qEnvironmentVariableIsEmpty("CUPS_SERVER") ||
        qEnvironmentVariableIsEmpty("LUMARO_CUPSD_PID"))
        QSKIP("no print server of the test's own (is cupsd installed?)");
    qunsetenv("LPDEST");
}

void CupsPrintingTest::theQueuesAndWhetherTheyTakeJobs()
{
    CupsPrintServer server;
    QCOMPARE(server.queues(), (QList<PrintQueue>{Open, TurningAway}));
}

void CupsPrintingTest::aDefaultQueueTurningJobsAwayIsToldBeforeAnythingIsSent()
{
    Bench bench;
    bench.settings.copies = u"3"_s;
    bench.preview.load();
    const int jobsBefore = JobsOf("turning-away");
    bench.preview.print();
    bench.answered();
    QCOMPARE(bench.messages.shown, QList<Message>{PrintingMessages::printFailed(0, 3)});
    QCOMPARE(JobsOf("turning-away"), jobsBefore);
}

void CupsPrintingTest::aDocumentTheServerTurnsAwayIsNotTakenForPrinted()
{
    // The queue turns jobs away after the lookup found it taking them: the job's own answer
    // must tell.
    Bench bench;
    bench.preview.load();
    bench.printer.findPrinter([](const PrinterFound &) {});
    bench.answered();
    QVERIFY(bench.printer.printPage(bench.pages.page(0)));
    QVERIFY(!bench.printer.endDocument());

    // The queue that takes jobs, as the user's default.
    qputenv("LPDEST", "open");
    const int jobsBefore = JobsOf("open");
    bench.printer.findPrinter([](const PrinterFound &found) {
        QCOMPARE(found.choice, (PrinterChoice{u"open"_s, true, true, true}));
    });
    bench.answered();
    QVERIFY(bench.printer.printPage(bench.pages.page(0)));
    QVERIFY(bench.printer.endDocument());
    QCOMPARE(JobsOf("open"), jobsBefore + 1);
}

void CupsPrintingTest::aStoppedServerIsGivenUpAndTheUserTold()
{
    const pid_t server = qEnvironmentVariableIntValue("LUMARO_CUPSD_PID");
    Bench bench;
    bench.preview.load();
    QCOMPARE(kill(server, SIGSTOP), 0);
    bench.preview.print();
    // The lookup hangs on its own thread; the test stands in for the time limit's tick.
    QVERIFY(bench.preview.isWaitingForPrinter());
    bench.printer.lookup().timeLimitReached();
    QCOMPARE(kill(server, SIGCONT), 0);
    QCOMPARE(bench.messages.shown, QList<Message>{PrintingMessages::printServiceSilent()});
    bench.answered();
    QCOMPARE(bench.messages.shown.size(), 1);
}

QTEST_MAIN(CupsPrintingTest)
#include "cupsprinting_test.moc"
