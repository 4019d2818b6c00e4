// SPDX-License-Identifier: GPL-3.0-or-later
#include "actionlabel.h"

#include "keyboard.h"
#include "units.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QPainter>

using namespace Qt::Literals::StringLiterals;

namespace {

/// What a screen reader sees of an action label: a button it can press.
class ActionLabelAccessible final : public QAccessibleWidget {
public:
    explicit ActionLabelAccessible(ActionLabel *label)
        : QAccessibleWidget(label, QAccessible::Button)
    {
    }

    QStringList actionNames() const override
    {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString &actionName) override
    {
        if (actionName == pressAction())
            static_cast<ActionLabel *>(widget())->press();
        else
            QAccessibleWidget::doAction(actionName);
    }

    QStringList keyBindingsForAction(const QString &actionName) const override
    {
        if (actionName == pressAction())
            return {u"Space"_s, u"Return"_s};
        return QAccessibleWidget::keyBindingsForAction(actionName);
    }
};

QAccessibleInterface *ActionLabelInterface(const QString &className, QObject *object)
{
    if (className == u"ActionLabel"_s && object && object->isWidgetType())
        return new ActionLabelAccessible(static_cast<ActionLabel *>(object));
    return nullptr;
}

bool IsEnter(const QKeyEvent &key)
{
    return key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter;
}

} // namespace

ActionLabel::ActionLabel(const QString &name, QWidget *parent) : CaptionLabel(name, parent)
{
    static const bool interfaceInstalled = [] {
        QAccessible::installFactory(&ActionLabelInterface);
        return true;
    }();
    Q_UNUSED(interfaceInstalled);
    // Tab reaches it; a click does not take the focus, so a click does what it always did.
    setFocusPolicy(Qt::TabFocus);
}

void ActionLabel::press()
{
    if (isEnabled())
        Q_EMIT clicked();
}

void ActionLabel::keyPressEvent(QKeyEvent *event)
{
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (plain && event->key() == Qt::Key_Space) {
        if (!event->isAutoRepeat())
            m_spaceDown = true;
        event->accept();
    } else if (plain && IsEnter(*event)) {
        event->accept();
        if (!event->isAutoRepeat())
            press();
    } else {
        CaptionLabel::keyPressEvent(event);
    }
}

void ActionLabel::keyReleaseEvent(QKeyEvent *event)
{
    if (event->key() != Qt::Key_Space) {
        CaptionLabel::keyReleaseEvent(event);
        return;
    }
    event->accept();
    if (event->isAutoRepeat() || !m_spaceDown)
        return;
    m_spaceDown = false;
    press();
}

void ActionLabel::focusInEvent(QFocusEvent *event)
{
    CaptionLabel::focusInEvent(event);
    update();
}

void ActionLabel::focusOutEvent(QFocusEvent *event)
{
    m_spaceDown = false;
    CaptionLabel::focusOutEvent(event);
    update();
}

void ActionLabel::paintEvent(QPaintEvent *event)
{
    // A caption is lit up in the hover yellow, its text kept in its own colour so that it
    // stays easy to read; a swatch, which has no text, keeps its colour inside the ring.
    const bool lit = hasFocus() && !text().isEmpty();
    if (!text().isEmpty()) {
        QPainter background(this);
        if (ContrastRatio(textColor(), fillUnderText()) < LeastCaptionContrast)
            background.fillRect(rect(), ReadableBacking());
        else if (lit)
            background.fillRect(rect(), colorFromBgr(Bgr::Yellow));
    }
    CaptionLabel::paintEvent(event);
    if (hasFocus()) {
        QPainter painter(this);
        PaintFocusRing(painter, rect());
    }
}

QColor ActionLabel::fillUnderText() const
{
    if (hasFocus() && !text().isEmpty())
        return colorFromBgr(Bgr::Yellow);
    if (autoFillBackground())
        return palette().color(QPalette::Window);
    // A see-through label that lights up under the mouse stands on its window's colour.
    return parentWidget() ? parentWidget()->palette().color(QPalette::Window)
                          : palette().color(QPalette::Window);
}
