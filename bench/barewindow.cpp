// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick for the program's start: a bare window, one QMainWindow with a QLabel.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setCentralWidget(new QLabel(QStringLiteral("Lumaro"), &window));
    window.show();
    return QApplication::exec();
}
