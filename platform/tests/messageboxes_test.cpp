// SPDX-License-Identifier: GPL-3.0-or-later
// The question box on the screen: its text, its two buttons, and which answers go ahead; and
// when the learning windows say that their bank is damaged.
#include "messageboxes.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>
#include <utility>

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
    void damageIsToldOnceWhileTheWindowGoesOn_data();
    void damageIsToldOnceWhileTheWindowGoesOn();
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

void MessageBoxesTest::damageIsToldOnceWhileTheWindowGoesOn_data()
{
    // Each read of the bank: whether it met damage, and whether it found something sound.
    using Read = std::pair<bool, bool>;
    QTest::addColumn<QList<Read>>("reads");
    QTest::addColumn<QList<Message>>("told");
    const Message damaged = DamagedBankMessage();
    const Message notReady = NotReadyMessage();
    QTest::newRow("sound") << QList<Read>{{false, true}, {false, true}} << QList<Message>{};
    QTest::newRow("damage passed over twice")
        << QList<Read>{{true, true}, {false, true}, {true, true}} << QList<Message>{damaged};
    QTest::newRow("damage leaves nothing, each time")
        << QList<Read>{{true, false}, {true, false}} << QList<Message>{damaged, damaged};
    QTest::newRow("told, then nothing left")
        << QList<Read>{{true, true}, {true, false}} << QList<Message>{damaged, damaged};
    QTest::newRow("nothing left, then passed over")
        << QList<Read>{{true, false}, {true, true}} << QList<Message>{damaged};
    QTest::newRow("too few problems")
        << QList<Read>{{false, false}, {false, false}} << QList<Message>{notReady, notReady};
}

void MessageBoxesTest::damageIsToldOnceWhileTheWindowGoesOn()
{
    using Read = std::pair<bool, bool>;
    QFETCH(QList<Read>, reads);
    QFETCH(QList<Message>, told);
    DamageNotice notice;
    QList<Message> shown;
    for (const auto &[damageFound, found] : reads) {
        if (const std::optional<Message> message = notice.messageAfter(damageFound, found))
            shown.append(*message);
    }
    QCOMPARE(shown, told);
    // A new opening tells again.
    notice.reset();
    QVERIFY(notice.due(true, true));
}

QTEST_MAIN(MessageBoxesTest)
#include "messageboxes_test.moc"
