// SPDX-License-Identifier: GPL-3.0-or-later
// The answer key in the preview of a running program: shut while the paper is being answered,
// open from its hand-in on, for the pupil and for a teacher's printer.
#include "keyboardfixture.h"
#include "mainwindow.h"
#include "previewwindow.h"
#include "printingmessages.h"
#include "testwindow.h"

#include <QAction>
#include <QPushButton>

using namespace Qt::Literals::StringLiterals;

class AnswerKeyGateTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void theKeyOpensOnlyOnceThePaperIsHandedIn();
};

void AnswerKeyGateTest::theKeyOpensOnlyOnceThePaperIsHandedIn()
{
    KeyboardFixture program;
    QVERIFY(program.writeBank());
    QVERIFY(program.start());
    program.shell->mainWindow().TypeLabel_Click(1);
    auto *test = qobject_cast<TestWindow *>(
        program.shell->handOver(program.shell->currentWindow(), WindowId::Test));
    QVERIFY(test);
    KeyboardFixture::stopTimers(test);
    test->Option1_Click();
    test->dayinyulan_Click();
    auto *preview = test->findChild<PreviewWindow *>();
    QVERIFY(preview);
    QList<Message> &shown = program.platform.messages.shown;
    shown.clear();

    preview->viewKeyItem().trigger();
    QCOMPARE(shown, QList<Message>{PrintingMessages::keyBeforeHandIn()});
    QCOMPARE(preview->preview().shown(), PaperPreview::Shown::Paper);
    preview->printKeyItem().trigger();
    QCOMPARE(shown.size(), 2);
    QCOMPARE(shown.last(), PrintingMessages::keyBeforeHandIn());

    test->Option2_Click();
    shown.clear();
    preview->viewKeyItem().trigger();
    QVERIFY(shown.isEmpty());
    QCOMPARE(preview->preview().shown(), PaperPreview::Shown::AnswerKey);

    // A new paper shuts the key again until it is handed in.
    test->Option1_Click();
    preview->viewKeyItem().trigger();
    QCOMPARE(shown, QList<Message>{PrintingMessages::keyBeforeHandIn()});
}

QTEST_MAIN(AnswerKeyGateTest)
#include "answerkeygate_test.moc"
