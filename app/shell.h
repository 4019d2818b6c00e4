// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "windowhost.h"

#include <QObject>
#include <QtGui/qwindowdefs.h>

#include <functional>
#include <map>
#include <memory>

class MainWindow;

/// Makes a learning window, once, the first time it is opened.
using WindowMaker =
    std::function<std::unique_ptr<HostedWindow>(WindowHost &, const PlatformServices &)>;

/// The three learning windows the main window leads to. A window without a maker (or whose
/// maker makes nothing) is never opened: the hand-over to it leaves the current window open.
struct LearningWindows {
    WindowMaker examples;
    WindowMaker practice;
    WindowMaker test;
};

/// The object that owns the program: the program-wide settings, the main window and the
/// learning windows, and the hand-over between them. Only one window of these is open at a
/// time; each is made once and keeps its own variables while it is closed.
class Shell final : public QObject, public WindowHost {
    Q_OBJECT
public:
    Shell(const PlatformServices &services, const QString &programFolder,
          LearningWindows learningWindows, QObject *parent = nullptr);
    ~Shell() override;

    /// Loads and shows the main window: the program's start-up.
    void start();
    /// True once the program is ending (the exit entry, or a second copy).
    bool hasEnded() const { return m_ended; }

    const ProgramSettings &settings() const override { return m_settings; }
    QWidget *handOver(QWidget *leaving, WindowId next) override;
    void endProgram() override;

    /// A native window was destroyed from outside. The program's window it belonged to is
    /// closed, and when no window of the program is left on the screen the program ends.
    void windowDestroyed(WId window);
    /// Whether a window of the program is on the screen (tool tips and pop-ups aside).
    static bool anyWindowShown();

    MainWindow &mainWindow() { return *m_main; }
    /// The window of that kind, or nullptr while it has never been opened.
    HostedWindow *window(WindowId id);
    /// The window open now (nullptr before start and after the end).
    QWidget *currentWindow() const { return m_current; }

Q_SIGNALS:
    /// The program ends: nothing is saved, every window has closed.
    void ended();

private:
    HostedWindow *windowFor(WindowId id);
    void raiseCurrentWindow();

    PlatformServices m_services;
    ProgramSettings m_settings;
    LearningWindows m_makers;
    std::unique_ptr<MainWindow> m_main;
    std::map<WindowId, std::unique_ptr<HostedWindow>> m_learning;
    QWidget *m_current = nullptr;
    bool m_ended = false;
};
