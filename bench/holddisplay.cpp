// SPDX-License-Identifier: GPL-3.0-or-later
// Holds a connection to the display while starts are timed, and ends when its standard input
// closes. An X server that loses its last client resets itself, and the next program to
// connect waits while the server compiles its keyboard map afresh (10 to 15 ms on the test
// machine). On a desktop the window manager and the panels stay connected, so no start there
// ever pays for that.
#include <QGuiApplication>
#include <QSocketNotifier>

#include <cstdio>
#include <unistd.h>

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    // Readable at the end of the input as well, which is all the runner ever sends.
    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, &app, &QCoreApplication::quit);
    std::puts("connected");
    std::fflush(stdout);
    return QGuiApplication::exec();
}
