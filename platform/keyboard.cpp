// SPDX-License-Identifier: GPL-3.0-or-later
#include "keyboard.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QPainter>

using namespace Qt::Literals::StringLiterals;

namespace {

// The design's hover yellow, and a dark edge that makes it show on the yellow and white.
QColor RingYellow()
{
    return QColor(255, 255, 0);
}

QColor RingEdge()
{
    return QColor(122, 31, 0);
}

int ArrowStep(const QKeyEvent &key)
{
    if (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return 0;
    switch (key.key()) {
    case Qt::Key_Down:
    case Qt::Key_Right:
        return 1;
    case Qt::Key_Up:
    case Qt::Key_Left:
        return -1;
    default:
        return 0;
    }
}

} // namespace

void PaintFocusRing(QPainter &painter, const QRect &area)
{
    painter.save();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(RingEdge(), 1));
    painter.drawRect(area.adjusted(0, 0, -1, -1));
    painter.setPen(QPen(RingYellow(), 2));
    painter.drawRect(QRectF(area).adjusted(2, 2, -2, -2));
    painter.restore();
}

QString ButtonFocusStyle()
{
    // Lit up in the hover yellow like an action label; a latched button keeps its sunken
    // edge and a deeper yellow, so that the focus does not hide which one is down.
    return u" QPushButton:focus { background: %2; border: 2px solid %1; }"
           u" QPushButton:checked:focus { background: #e8c000; border: 2px inset %1; }"
           u" QRadioButton:focus { border: 2px solid %1; }"_s.arg(RingEdge().name(),
                                                                  RingYellow().name());
}

ArrowKeyFocus::ArrowKeyFocus(QObject *parent) : QObject(parent) {}

void ArrowKeyFocus::add(QWidget *control)
{
    m_controls.append(control);
    control->installEventFilter(this);
}

bool ArrowKeyFocus::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const int step = ArrowStep(*static_cast<QKeyEvent *>(event));
    const int index = int(m_controls.indexOf(qobject_cast<QWidget *>(watched)));
    if (step == 0 || index < 0)
        return false;
    moveFrom(index, step);
    return true;
}

void ArrowKeyFocus::moveFrom(int index, int step)
{
    const int count = int(m_controls.size());
    for (int tried = 1; tried < count; ++tried) {
        QWidget *candidate = m_controls[((index + step * tried) % count + count) % count];
        if (candidate && candidate->isVisible() && candidate->isEnabled()) {
            candidate->setFocus(step > 0 ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return;
        }
    }
}

LatchingButtons::LatchingButtons(QObject *parent)
    : QObject(parent), m_arrows(new ArrowKeyFocus(this))
{
}

void LatchingButtons::add(QAbstractButton *button)
{
    button->setCheckable(true);
    button->setAutoExclusive(false);
    m_buttons.append(button);
    m_arrows->add(button);
    connect(button, &QAbstractButton::clicked, this, [this, button] { latch(button); });
}

void LatchingButtons::latch(QAbstractButton *pressed)
{
    // A click on the button already down has just put it up; it stays down.
    for (QAbstractButton *button : buttons())
        button->setChecked(button == pressed);
}

void LatchingButtons::releaseAll()
{
    for (QAbstractButton *button : buttons())
        button->setChecked(false);
}

QList<QAbstractButton *> LatchingButtons::buttons() const
{
    QList<QAbstractButton *> alive;
    for (const QPointer<QAbstractButton> &button : m_buttons) {
        if (button)
            alive.append(button.data());
    }
    return alive;
}

FocusKeeper::FocusKeeper(QWidget &window, std::function<QWidget *()> harbour)
    : QObject(&window), m_window(window), m_harbour(std::move(harbour))
{
    connect(qApp, &QApplication::focusChanged, this, &FocusKeeper::focusChanged);
}

void FocusKeeper::focusChanged(QWidget *old, QWidget *now)
{
    if (!old || old->isEnabled() || old->window() != &m_window)
        return;
    // The focus leaving for another window is none of the keeper's business.
    if (now && now->window() != &m_window)
        return;
    QWidget *harbour = m_harbour();
    if (harbour && harbour != now && harbour->isEnabled())
        harbour->setFocus(Qt::OtherFocusReason);
}
