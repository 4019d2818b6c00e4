// SPDX-License-Identifier: GPL-3.0-or-later
// Keyboard use of the windows: the arrow keys within a group of controls, buttons that stay
// down, the focus kept off the buttons that lead away, and how the focus is shown.
#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

#include <functional>

class QAbstractButton;
class QPainter;
class QRect;
class QWidget;

/// The focus look of every control the windows draw themselves: a yellow ring, the design's
/// hover colour, edged dark so that it shows on any back colour.
void PaintFocusRing(QPainter &painter, const QRect &area);

/// The style sheet rules that show the focus of a push button or a radio button the same way.
QString ButtonFocusStyle();

/// Lets the arrow keys move the focus among a group of controls, in the order given and
/// round again: Down and Right to the next, Up and Left to the one before. Controls that
/// are hidden or disabled are passed over. The arrows never press anything.
class ArrowKeyFocus final : public QObject {
    Q_OBJECT
public:
    explicit ArrowKeyFocus(QObject *parent = nullptr);

    void add(QWidget *control);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void moveFrom(int index, int step);

    QList<QPointer<QWidget>> m_controls;
};

/// Latching buttons: the one pressed last stays down, the others come up. Unlike an
/// exclusive QButtonGroup it keeps every button in the tab order, and the arrow keys only
/// move the focus among them instead of pressing the button they reach.
class LatchingButtons final : public QObject {
    Q_OBJECT
public:
    explicit LatchingButtons(QObject *parent = nullptr);

    /// Makes the button checkable and one of the group, in reading order.
    void add(QAbstractButton *button);
    /// Every button up, as at load.
    void releaseAll();
    QList<QAbstractButton *> buttons() const;

private:
    void latch(QAbstractButton *pressed);

    QList<QPointer<QAbstractButton>> m_buttons;
    ArrowKeyFocus *m_arrows;
};

/// Keeps the keyboard focus of a window off the controls it happens to come to. When the
/// focused control is disabled, Qt hands the focus to the next control in the tab order,
/// often a button that closes the window, where the next Space or Enter would press it.
/// The keeper hands it to the window's harbour instead: a control that does not lead away.
class FocusKeeper final : public QObject {
    Q_OBJECT
public:
    /// harbour gives the control to take the focus at that moment.
    FocusKeeper(QWidget &window, std::function<QWidget *()> harbour);

private:
    void focusChanged(QWidget *old, QWidget *now);

    QWidget &m_window;
    std::function<QWidget *()> m_harbour;
};
