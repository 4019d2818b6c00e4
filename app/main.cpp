// SPDX-License-Identifier: GPL-3.0-or-later
// Lumaro: a tutor for arithmetic word problems. Starting the program loads the main window.
#include "desktopidentity.h"
#include "displaymode.h"
#include "firstpaint.h"
#include "fonts.h"
#include "learningwindows.h"
#include "mainwindow.h"
#include "messageboxes.h"
#include "programfiles.h"
#include "programsettings.h"
#include "programstyle.h"
#include "qtsoundoutput.h"
#include "qttranslations.h"
#include "sessionbus.h"
#include "shell.h"
#include "singleinstance.h"
#include "sound.h"
#include "soundbackend.h"
#include "windowwatch.h"

#include <QApplication>
#include <QDir>
#include <QTextStream>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <thread>

using namespace Qt::Literals::StringLiterals;

namespace {

/// Runs the program's windows; afterFirstPaint runs once the main window has first been
/// painted.
int RunShell(const QString &programFolder, Sound &sound, std::function<void()> afterFirstPaint)
{
    WidgetMessageBoxes messages;
    UnchangedDisplayMode display;
    LocalSocketInstance instance(LocalSocketInstance::defaultKey());

    Shell shell(PlatformServices{sound, messages, display, instance}, programFolder,
                ProgramLearningWindows());
    QObject::connect(&shell, &Shell::ended, qApp, &QCoreApplication::quit, Qt::QueuedConnection);
    DestroyedWindowWatch watch;
    QObject::connect(&watch, &DestroyedWindowWatch::windowDestroyed, &shell,
                     &Shell::windowDestroyed, Qt::QueuedConnection);
    shell.start();
    if (shell.hasEnded())
        return 0;
    RunAfterFirstPaint(shell.mainWindow(), std::move(afterFirstPaint));
    return QApplication::exec();
}

} // namespace

int main(int argc, char *argv[])
{
    // Reading the system's font configuration takes as long as connecting to the display: the
    // two go side by side.
    std::thread fontConfiguration(&Fonts::readFontConfiguration);
    QApplication app(argc, argv);
    // The accessibility bridge waits for the session bus while the first window is built.
    SessionBusConnection sessionBus;
    fontConfiguration.join();
    const QString programFolder = ExecutableFolder();
    // Without its own faces the program draws with the whole ones, more slowly.
    Fonts::addProgramFonts(programFolder);
    QApplication::setStyle(new ProgramStyle);
    QApplication::setFont(Fonts::interfaceFont());
    SetDesktopIdentity();
    InstallChineseQtTexts(app);

    QTextStream errorOutput(stderr);
    QtSoundOutput soundOutput(QDir(programFolder).filePath(SoundModuleFileName()));
    SoundFilePlayer sound(soundOutput, JoinProgramPath(programFolder, u"\\alert.wav"_s));
    // Looking through every sound file, and drawing the icon, would hold up the first sight
    // of the window.
    const int status = RunShell(programFolder, sound, [&] {
        SetProgramIcon();
        ReportMissingProgramFiles(programFolder, errorOutput);
    });
    if (!soundOutput.finish()) {
        // Everything is closed and kept; Qt's own clean-up would abort on the hung sound.
        std::fflush(nullptr);
        std::_Exit(status);
    }
    return status;
}
