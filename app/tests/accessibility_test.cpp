// SPDX-License-Identifier: GPL-3.0-or-later
// A pupil who cannot see the screen reaches every control through a screen reader, so each
// control the pupil can act on or read tells its name.
#include "shellfixture.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextEdit>

using namespace Qt::Literals::StringLiterals;

namespace {

bool SpeaksToThePupil(const QWidget &control)
{
    if (const auto *label = qobject_cast<const QLabel *>(&control))
        return !label->text().trimmed().isEmpty();
    return qobject_cast<const QAbstractButton *>(&control) ||
           qobject_cast<const QLineEdit *>(&control) || qobject_cast<const QTextEdit *>(&control) ||
           qobject_cast<const QPlainTextEdit *>(&control) ||
           qobject_cast<const QGroupBox *>(&control);
}

QString AccessibleName(QWidget &control)
{
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(&control);
    return face ? face->text(QAccessible::Name).trimmed() : QString();
}

/// The controls of a window that a screen reader cannot name.
QStringList Nameless(QWidget &window)
{
    QStringList nameless;
    for (QWidget *control : window.findChildren<QWidget *>()) {
        if (!control->objectName().startsWith(u"qt_"_s) && SpeaksToThePupil(*control) &&
            AccessibleName(*control).isEmpty())
            nameless.append(control->objectName() + u" ("_s +
                            QString::fromLatin1(control->metaObject()->className()) + u")"_s);
    }
    return nameless;
}

} // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void everyControlHasAName_data();
    void everyControlHasAName();
};

void AccessibilityTest::everyControlHasAName_data()
{
    QTest::addColumn<WindowId>("window");
    QTest::newRow("main") << WindowId::Main;
    QTest::newRow("examples") << WindowId::Examples;
    QTest::newRow("practice") << WindowId::Practice;
    QTest::newRow("test") << WindowId::Test;
}

void AccessibilityTest::everyControlHasAName()
{
    QFETCH(WindowId, window);
    ShellFixture program;
    program.shell->start();
    QWidget *shown = program.shell->handOver(program.shell->currentWindow(), window);
    QVERIFY(shown);
    const QStringList nameless = Nameless(*shown);
    QVERIFY2(nameless.isEmpty(), qPrintable(nameless.join(u", "_s)));
}

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
