// SPDX-License-Identifier: GPL-3.0-or-later
#include "learningwindows.h"

#include "exampleswindow.h"
#include "papersaver.h"
#include "practicewindow.h"
#include "printingdesk.h"
#include "testwindow.h"

namespace {

std::unique_ptr<HostedWindow> MakeExamples(WindowHost &host, const PlatformServices &services)
{
    return std::make_unique<ExamplesWindow>(host, services);
}

std::unique_ptr<HostedWindow> MakePractice(WindowHost &host, const PlatformServices &services)
{
    return std::make_unique<PracticeWindow>(host, services);
}

/// The test window with its page setup and print preview, which open beside it and read the
/// paper as it stands when the page is drawn.
std::unique_ptr<HostedWindow> MakeTest(WindowHost &host, const PlatformServices &services)
{
    auto window = std::make_unique<TestWindow>(host, services, PaperStore::DocumentsFolder());
    TestWindow *test = window.get();
    auto *desk = new PrintingDesk([test] { return test->PaperText(); }, services.messages, test);
    desk->setParent(test);
    QObject::connect(test, &TestWindow::pageSetupRequested, desk, &PrintingDesk::openPageSetup);
    QObject::connect(test, &TestWindow::printPreviewRequested, desk, &PrintingDesk::openPreview);
    // The key follows the problems drawn, whatever the pupil typed into the paper box, and
    // opens once the paper is handed in: from then on a teacher can print it.
    desk->setAnswerKeySource([test]() -> std::optional<PaperForKey> {
        if (!test->paper().hasPaper())
            return std::nullopt;
        const auto &records = test->paper().PaperRecords();
        return PaperForKey{QList<ProblemRecord>(records.begin() + 1, records.end()),
                           test->paper().state() == TestPaper::State::Graded};
    });
    return window;
}

} // namespace

LearningWindows ProgramLearningWindows()
{
    return {&MakeExamples, &MakePractice, &MakeTest};
}
