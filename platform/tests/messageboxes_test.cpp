// SPDX-License-Identifier: GPL-3.0-or-later
// The question box on the screen: its text, its two buttons, and which answers go ahead.
#include "messageboxes.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace Qt::Literals::StringLiterals;

namespace {

/// Asks the question and, once its box is open, hands the box to answer.
bool AskAndAnswer(const std::function<void(QMessageBox &)> &answer, QStringList &buttons,
                  QString &text)
{
    QTimer::singleShot(0, qApp, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        text = box->text();
        for (const QAbstractButton *button : box->buttons())
            buttons.append(button->text());
        answer(*box);
    });
    WidgetMessageBoxes boxes;
    return boxes.ask(LeaveUnfinishedTestQuestion());
}

QAbstractButton *ButtonNamed(QMessageBox &box, const QString &name)
{
    for (QAbstractButton *button : box.buttons()) {
        if (button->text() == name)
            return button;
    }
    return nullptr;
}

} // namespace

class MessageBoxesTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void onlyTheGoAheadButtonGoesAhead_data();
    void onlyTheGoAheadButtonGoesAhead();
};

void MessageBoxesTest::onlyTheGoAheadButtonGoesAhead_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("goesAhead");
    QTest::newRow("离开") << u"离开"_s << true;
    QTest::newRow("取消") << u"取消"_s << false;
    QTest::newRow("Esc") << u"Esc"_s << false;
    QTest::newRow("Enter") << u"Enter"_s << false;
}

void MessageBoxesTest::onlyTheGoAheadButtonGoesAhead()
{
    QFETCH(QString, answer);
    QFETCH(bool, goesAhead);
    QStringList buttons;
    QString text;
    const bool result = AskAndAnswer(
        [&answer](QMessageBox &box) {
            if (answer == u"Esc"_s)
                QTest::keyClick(&box, Qt::Key_Escape);
            else if (answer == u"Enter"_s)
                QTest::keyClick(&box, Qt::Key_Return);
            else if (QAbstractButton *button = ButtonNamed(box, answer))
                button->click();
        },
        buttons, text);
    QCOMPARE(text, u"试卷还没有交，确定要离开吗？"_s);
    buttons.sort();
    QStringList expected{u"离开"_s, u"取消"_s};
    expected.sort();
    QCOMPARE(buttons, expected);
    QCOMPARE(result, goesAhead);
}

QTEST_MAIN(MessageBoxesTest)
#include "messageboxes_test.moc"
