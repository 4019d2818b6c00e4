// SPDX-License-Identifier: GPL-3.0-or-later
// Lumaro: a tutor for arithmetic word problems. Starting the program loads the main window.
#include "displaymode.h"
#include "learningwindows.h"
#include "messageboxes.h"
#include "programfiles.h"
#include "programsettings.h"
#include "qtsoundoutput.h"
#include "qttranslations.h"
#include "shell.h"
#include "singleinstance.h"
#include "sound.h"

#include <QApplication>
#include <QTextStream>

using namespace Qt::Literals::StringLiterals;

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(u"Lumaro"_s);
    InstallChineseQtTexts(app);

    const QString programFolder = ExecutableFolder();
    QTextStream errorOutput(stderr);
    ReportMissingProgramFiles(programFolder, errorOutput);
    QtSoundOutput soundOutput;
    WavePlayer sound(soundOutput, JoinProgramPath(programFolder, u"\\alert.wav"_s));
    WidgetMessageBoxes messages;
    UnchangedDisplayMode display;
    LocalSocketInstance instance(LocalSocketInstance::defaultKey());

    Shell shell(PlatformServices{sound, messages, display, instance}, programFolder,
                ProgramLearningWindows());
    QObject::connect(&shell, &Shell::ended, &app, &QCoreApplication::quit, Qt::QueuedConnection);
    shell.start();
    if (shell.hasEnded())
        return 0;
    return app.exec();
}
