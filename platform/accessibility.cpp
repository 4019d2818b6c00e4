// SPDX-License-Identifier: GPL-3.0-or-later
#include "accessibility.h"

#include "surfaceview.h"
#include "textsurface.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QKeySequence>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

using namespace Qt::Literals::StringLiterals;

namespace {

QString withoutMnemonic(QString text)
{
    text.replace(u"&&"_s, u"\x01"_s);
    text.remove(u'&');
    text.replace(u'\x01', u'&');
    return text;
}

QAccessible::Role buttonRole(const QAbstractButton &button)
{
    if (qobject_cast<const QRadioButton *>(&button))
        return QAccessible::RadioButton;
    if (qobject_cast<const QCheckBox *>(&button))
        return QAccessible::CheckBox;
    return QAccessible::Button;
}

/// A button whose press and toggle actions are clicks. Qt's own toggle only flips the
/// checked state, so a latching button went down without its handler ever running.
class ClickingButton final : public QAccessibleWidget {
public:
    explicit ClickingButton(QAbstractButton *button)
        : QAccessibleWidget(button, buttonRole(*button))
    {
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name && button().accessibleName().isEmpty())
            return withoutMnemonic(button().text());
        if (kind == QAccessible::Accelerator)
            return QKeySequence::mnemonic(button().text()).toString(QKeySequence::NativeText);
        return QAccessibleWidget::text(kind);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.checkable = button().isCheckable();
        state.checked = button().isChecked();
        state.pressed = button().isDown();
        if (const auto *push = qobject_cast<const QPushButton *>(&button()))
            state.defaultButton = push->isDefault();
        return state;
    }

    QStringList actionNames() const override
    {
        QStringList names;
        if (button().isEnabled()) {
            names << pressAction();
            if (button().isCheckable())
                names << toggleAction();
        }
        return names + QAccessibleWidget::actionNames();
    }

    void doAction(const QString &action) override
    {
        if (action != pressAction() && action != toggleAction()) {
            QAccessibleWidget::doAction(action);
            return;
        }
        // Later, from the event loop: a click may open a message box that waits for the
        // pupil, and the screen reader must get its answer first.
        if (button().isEnabled())
            QMetaObject::invokeMethod(&button(), &QAbstractButton::click, Qt::QueuedConnection);
    }

    QStringList keyBindingsForAction(const QString &) const override { return {}; }

private:
    QAbstractButton &button() const { return *static_cast<QAbstractButton *>(widget()); }
};

/// A combo box read by its caption. On Linux Qt names a combo box by its current
/// text, so a margin box was read out as "1".
class NamedComboBox final : public QAccessibleWidget {
public:
    explicit NamedComboBox(QComboBox *box) : QAccessibleWidget(box, QAccessible::ComboBox) {}

    int childCount() const override { return box().isEditable() ? 2 : 1; }

    QAccessibleInterface *child(int index) const override
    {
        if (index == 0)
            return QAccessible::queryAccessibleInterface(box().view());
        if (index == 1 && box().isEditable())
            return QAccessible::queryAccessibleInterface(box().lineEdit());
        return nullptr;
    }

    int indexOfChild(const QAccessibleInterface *child) const override
    {
        if (child->object() == box().view())
            return 0;
        if (box().isEditable() && child->object() == box().lineEdit())
            return 1;
        return -1;
    }

    QAccessibleInterface *focusChild() const override
    {
        // The box is its line edit's focus proxy; the line edit is where the typing goes.
        return box().isEditable() ? child(1) : nullptr;
    }

    QString text(QAccessible::Text kind) const override
    {
        // A box without a name of its own is read by its text, as Qt reads it on Linux.
        if (kind == QAccessible::Value ||
            (kind == QAccessible::Name && box().accessibleName().isEmpty()))
            return box().currentText();
        return QAccessibleWidget::text(kind);
    }

    QStringList actionNames() const override
    {
        return QStringList{showMenuAction(), pressAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString &action) override
    {
        if (action != showMenuAction() && action != pressAction()) {
            QAccessibleWidget::doAction(action);
            return;
        }
        if (box().view()->isVisible())
            box().hidePopup();
        else
            box().showPopup();
    }

    QStringList keyBindingsForAction(const QString &) const override { return {}; }

private:
    QComboBox &box() const { return *static_cast<QComboBox *>(widget()); }
};

/// A text surface on the screen, offering what has been written on it so far as its text.
class WrittenText final : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit WrittenText(SurfaceView *view) : QAccessibleWidget(view, QAccessible::StaticText) {}

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Value)
            return written();
        if (kind == QAccessible::Name && widget()->accessibleName().isEmpty())
            return widget()->windowTitle();
        return QAccessibleWidget::text(kind);
    }

    QString text(int startOffset, int endOffset) const override
    {
        return written().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return int(written().size()); }
    void selection(int, int *startOffset, int *endOffset) const override
    {
        *startOffset = *endOffset = 0;
    }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint &) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int *startOffset, int *endOffset) const override
    {
        *startOffset = 0;
        *endOffset = std::max(offset, characterCount());
        return {};
    }

private:
    QString written() const
    {
        return static_cast<SurfaceView *>(widget())->surface().writtenText();
    }
};

QAccessibleInterface *ProgramInterface(const QString &key, QObject *object)
{
    auto *widget = qobject_cast<QWidget *>(object);
    if (!widget)
        return nullptr;
    if (key == u"QPushButton"_s || key == u"QRadioButton"_s || key == u"QCheckBox"_s) {
        const auto *push = qobject_cast<QPushButton *>(widget);
        if (push && push->menu())
            return nullptr;
        return new ClickingButton(static_cast<QAbstractButton *>(widget));
    }
    if (key == u"QComboBox"_s)
        return new NamedComboBox(static_cast<QComboBox *>(widget));
    if (key == u"SurfaceView"_s && !widget->isWindow())
        return new WrittenText(static_cast<SurfaceView *>(widget));
    // A window made from a plain widget would otherwise be a nameless "filler".
    if ((key == u"QWidget"_s || key == u"SurfaceView"_s) && widget->isWindow())
        return new QAccessibleWidget(widget, QAccessible::Window);
    return nullptr;
}

} // namespace

void InstallAccessibleControls()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    // Installed after the application's own factory, so it is asked first.
    QAccessible::installFactory(&ProgramInterface);
}
