// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shellfixture.h"
#include "testbanks.h"

#include <QApplication>
#include <QTest>
#include <QTimer>

/// The program under test with a bank of type 1 in its folder, worked with the keyboard
/// alone: every key goes where a real key would, to the open menu or the focused control.
struct KeyboardFixture : ShellFixture {
    using ShellFixture::ShellFixture;

    /// Problem k (2 … count) asks for k + 3; record 1 is the introduction.
    static QString AnswerFor(int record) { return QString::number(record + 3); }

    bool writeBank(int count = 20) const
    {
        using namespace Qt::Literals::StringLiterals;
        return TestBanks::WriteEncoded(folder.filePath(u"tm1.dat"_s), count, [](int k) {
            const QString problem =
                k == 1 ? u"介绍"_s : u"小明有%1个苹果，又买了3个，现在有几个？"_s.arg(k);
            return TestBanks::Record{problem, u"%1+3=%2"_s.arg(k).arg(k + 3),
                                     k == 1 ? QString() : AnswerFor(k)};
        });
    }

    /// Starts the program with its timers stopped: the tests tick them.
    bool start()
    {
        shell->start();
        stopTimers(shell->currentWindow());
        return activate(shell->currentWindow());
    }

    /// The window manager's part: the window shown last becomes the active one.
    static bool activate(QWidget *window)
    {
        if (!window)
            return false;
        QApplication::setActiveWindow(window);
        return QTest::qWaitForWindowActive(window);
    }

    static void stopTimers(QWidget *window)
    {
        if (!window)
            return;
        for (QTimer *timer : window->findChildren<QTimer *>())
            timer->stop();
    }

    /// Where a key typed now arrives.
    static QWidget *keyTarget()
    {
        if (QWidget *popup = QApplication::activePopupWidget())
            return popup;
        if (QWidget *focused = QApplication::focusWidget())
            return focused;
        return QApplication::activeWindow();
    }

    static void key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        if (QWidget *target = keyTarget())
            QTest::keyClick(target, key, modifiers);
    }

    /// Alt pressed and let go alone: the menu bar takes the keyboard.
    static void alt()
    {
        QWidget *target = keyTarget();
        QTest::keyPress(target, Qt::Key_Alt, Qt::AltModifier);
        QTest::keyRelease(keyTarget(), Qt::Key_Alt, Qt::NoModifier);
    }

    static void type(const QString &text)
    {
        for (const QChar c : text) {
            if (QWidget *target = keyTarget())
                QTest::keyClicks(target, QString(c));
        }
    }

    /// Presses Tab until the control of that name has the focus; false after a round trip.
    static bool tabTo(const QString &name, int most = 60)
    {
        for (int i = 0; i < most; ++i) {
            if (QWidget *focused = QApplication::focusWidget();
                focused && focused->objectName() == name)
                return true;
            key(Qt::Key_Tab);
        }
        return false;
    }

    static QString focusName()
    {
        QWidget *focused = QApplication::focusWidget();
        return focused ? focused->objectName() : QString();
    }
};
