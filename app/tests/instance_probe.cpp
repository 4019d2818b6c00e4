// SPDX-License-Identifier: GPL-3.0-or-later
// Starts the program as the real one starts, with the single-instance key given on the command
// line, and reports on standard output what a pupil would see: the message boxes, whether it
// runs or ends, and requests to come to the front.
#include "learningwindows.h"
#include "recordingservices.h"
#include "shell.h"
#include "singleinstance.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTextStream>
#include <QWidget>

#include <cstdio>

using namespace Qt::Literals::StringLiterals;

namespace {

void report(const QString &line)
{
    QTextStream out(stdout);
    out << line << '\n';
    out.flush();
    std::fflush(stdout);
}

class ReportedMessages final : public MessageBoxes {
public:
    void show(const Message &message) override
    {
        const QString icon = message.icon == Message::Icon::Critical ? u"critical"_s : u"other"_s;
        report(u"message\t"_s + message.title + u'\t' + message.text + u'\t' + icon);
    }
    bool ask(const Question &question) override
    {
        report(u"question\t"_s + question.title + u'\t' + question.text);
        return false;
    }
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc < 2)
        return 2;
    QTemporaryDir folder;
    RecordingSound sound;
    RecordingDisplayMode display;
    ReportedMessages messages;
    LocalSocketInstance instance(QString::fromLocal8Bit(argv[1]));
    QObject::connect(&instance, &SingleInstance::raiseRequested, [] { report(u"raised"_s); });

    Shell shell(PlatformServices{sound, messages, display, instance}, folder.path(),
                ProgramLearningWindows());
    QObject::connect(&shell, &Shell::ended, &app, &QCoreApplication::quit, Qt::QueuedConnection);
    shell.start();
    if (shell.hasEnded()) {
        report(u"ended"_s);
        return 0;
    }
    report(u"running"_s);
    // A copy whose window is gone from the screen, as after one destroyed from outside.
    if (argc > 2 && qstrcmp(argv[2], "hide") == 0) {
        shell.currentWindow()->hide();
        report(u"hidden"_s);
    }
    QObject::connect(&instance, &SingleInstance::placeGivenUp, [] { report(u"gave up"_s); });
    return app.exec();
}
