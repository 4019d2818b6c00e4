// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell.h"

#include "accessibility.h"
#include "knowledgewindow.h"
#include "mainwindow.h"
#include "singleinstance.h"

#include <QApplication>

#include <algorithm>

Shell::Shell(const PlatformServices &services, const QString &programFolder,
             LearningWindows learningWindows, QObject *parent)
    : QObject(parent), m_services(services), m_makers(std::move(learningWindows))
{
    m_settings.ProgramFolder = programFolder;
    InstallAccessibleControls();
    m_main = std::make_unique<MainWindow>(*this, m_settings, m_services);
    connect(&m_services.instance, &SingleInstance::raiseRequested, this,
            &Shell::raiseCurrentWindow);
    m_services.instance.setWindowShown(&Shell::anyWindowShown);
    // A later copy found nothing to bring forward and runs in this one's place.
    connect(&m_services.instance, &SingleInstance::placeGivenUp, this, &Shell::endProgram);
}

Shell::~Shell()
{
    // Learning windows may refer to the main window's settings; they go first.
    m_learning.clear();
}

void Shell::start()
{
    handOver(nullptr, WindowId::Main);
}

HostedWindow *Shell::window(WindowId id)
{
    if (id == WindowId::Main)
        return m_main.get();
    const auto found = m_learning.find(id);
    return found == m_learning.end() ? nullptr : found->second.get();
}

HostedWindow *Shell::windowFor(WindowId id)
{
    if (HostedWindow *made = window(id))
        return made;
    const WindowMaker &maker = id == WindowId::Examples   ? m_makers.examples
                               : id == WindowId::Practice ? m_makers.practice
                                                          : m_makers.test;
    if (!maker)
        return nullptr;
    std::unique_ptr<HostedWindow> &slot = m_learning[id];
    slot = maker(*this, m_services);
    return slot.get();
}

QWidget *Shell::handOver(QWidget *leaving, WindowId next)
{
    if (m_ended)
        return nullptr;
    HostedWindow *window = windowFor(next);
    if (!window)
        return nullptr;
    QWidget &shown = window->widget();
    window->load();
    if (m_ended)
        return nullptr;
    // The next window shows before the one left closes, so the program never finds itself
    // without a window in between and takes that for its end.
    shown.show();
    shown.raise();
    shown.activateWindow();
    m_current = &shown;
    if (leaving && leaving != &shown)
        leaving->close();
    return &shown;
}

void Shell::endProgram()
{
    if (m_ended)
        return;
    m_ended = true;
    m_current = nullptr;
    for (auto &[id, window] : m_learning)
        window->widget().close();
    if (KnowledgeWindow *knowledge = m_main->knowledgeWindow())
        knowledge->close();
    m_main->close();
    Q_EMIT ended();
}

bool Shell::anyWindowShown()
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    return std::any_of(windows.begin(), windows.end(), [](const QWidget *window) {
        const Qt::WindowType type = window->windowType();
        return window->isVisible() && (type == Qt::Window || type == Qt::Dialog);
    });
}

void Shell::windowDestroyed(WId window)
{
    if (m_ended)
        return;
    bool lost = false;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        // Closed, so that the widget no longer counts as shown.
        if (widget->isVisible() && widget->internalWinId() == window) {
            widget->close();
            lost = true;
        }
    }
    // Windows Qt itself destroys (menus, message boxes) end nothing.
    if (lost && !anyWindowShown())
        endProgram();
}

void Shell::raiseCurrentWindow()
{
    if (!m_current)
        return;
    if (m_current->isMinimized())
        m_current->showNormal();
    m_current->raise();
    m_current->activateWindow();
}
