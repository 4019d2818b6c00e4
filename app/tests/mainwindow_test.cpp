// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls.h"
#include "fonts.h"
#include "knowledgewindow.h"
#include "lumaroversion.h"
#include "mainmessages.h"
#include "mainwindow.h"
#include "precisetimer.h"
#include "shellfixture.h"
#include "units.h"

#include <QAccessible>
#include <QFontInfo>
#include <QMenuBar>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

QColor red()
{
    return colorFromBgr(Bgr::Red);
}

QColor yellow()
{
    return colorFromBgr(Bgr::Yellow);
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void controlsAreAsDesigned_data();
    void controlsAreAsDesigned();
    void loadSizesAndPlacesByTheScreen();
    void loadStartsAtStageOne();
    void typeThenBackIsTheTwoStageChoice_data();
    void typeThenBackIsTheTwoStageChoice();
    void mottoTimerAlternatesTheMotto();
    void musicTimerPlaysTheTitleMusic();
    void idleTimersWakeOnlyForAChange();
    void pictureTimerAlternatesThePictures();
    void hoverTurnsLabelsYellowAndFramesTurnThemRed();
    void menuShowsItsMessages_data();
    void menuShowsItsMessages();
    void exitMakesTheClickSoundAndEnds();
    void everyControlHasAnAccessibleName();

private:
    MainWindow &main() { return m_program->shell->mainWindow(); }
    CaptionLabel *label(const QString &name) { return main().findChild<CaptionLabel *>(name); }
    QWidget *control(const QString &name) { return main().findChild<QWidget *>(name); }
    std::unique_ptr<ShellFixture> m_program;
    QStringList m_runningTimers;
};

void MainWindowTest::init()
{
    m_program = std::make_unique<ShellFixture>();
    m_program->shell->start();
    // The tests tick the timers themselves; note how the load left them, then stop them.
    m_runningTimers.clear();
    for (PreciseTimer *timer : main().findChildren<PreciseTimer *>()) {
        if (timer->isActive())
            m_runningTimers.append(timer->objectName());
        timer->stop();
    }
    QVERIFY(QTest::qWaitForWindowExposed(&main()));
}

void MainWindowTest::cleanup()
{
    m_program.reset();
}

void MainWindowTest::controlsAreAsDesigned_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("font");
    QTest::addColumn<double>("points");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<QColor>("color");
    const QColor green = colorFromBgr(0x0000C000);
    QTest::newRow("Label1") << u"Label1"_s << u"Orvik Method"_s << u"隶书"_s << 36.0 << false
                            << red();
    QTest::newRow("Label12") << u"Label12"_s << u"（供小学四年级至初中学生使用）"_s << u"新宋体"_s
                             << 10.5 << true << red();
    QTest::newRow("Label13") << u"Label13"_s << u"x+a=b     a+b+c=?"_s << u"楷体_GB2312"_s << 21.75
                             << true << green;
    QTest::newRow("Label15")
        << u"Label15"_s
        << u"应用题是大部分学生感到比较难的内容，为了帮助学生突破这道难关，我们特编"
           u"写了这个软件希望能帮您掌握这部分知识。"_s
        << u"宋体"_s << 10.5 << false << red();
    QTest::newRow("Label14") << u"Label14"_s << QString() << u"华文新魏"_s << 26.25 << true
                             << red();
    QTest::newRow("Label3") << u"Label3"_s << u"Lumaro 制作组"_s << u"华文新魏"_s << 12.0 << false
                            << red();
    QTest::newRow("Label2") << u"Label2"_s << u"基本思想"_s << u"隶书"_s << 15.75 << true << red();
    QTest::newRow("Label4") << u"Label4"_s << u"加减应用题"_s << u"隶书"_s << 15.75 << true
                            << red();
    QTest::newRow("Label5") << u"Label5"_s << u"乘除应用题"_s << u"隶书"_s << 15.75 << true
                            << red();
    QTest::newRow("Label6") << u"Label6"_s << u"分数应用题"_s << u"隶书"_s << 15.75 << true
                            << red();
    QTest::newRow("Label7") << u"Label7"_s << u"比例应用题"_s << u"隶书"_s << 15.75 << true
                            << red();
    QTest::newRow("Label8") << u"Label8"_s << u"综合应用题"_s << u"隶书"_s << 15.75 << true
                            << red();
    QTest::newRow("Label9") << u"Label9"_s << u"例题"_s << u"隶书"_s << 21.75 << true << red();
    QTest::newRow("Label10") << u"Label10"_s << u"练习"_s << u"隶书"_s << 21.75 << true << red();
    QTest::newRow("Label11") << u"Label11"_s << u"测试"_s << u"隶书"_s << 21.75 << true << red();
    QTest::newRow("Label16") << u"Label16"_s << u"返回"_s << u"隶书"_s << 21.75 << true << red();
}

void MainWindowTest::controlsAreAsDesigned()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QString, font);
    QFETCH(double, points);
    QFETCH(bool, bold);
    QFETCH(QColor, color);
    CaptionLabel *control = label(name);
    QVERIFY(control);
    QCOMPARE(control->text(), caption);
    QCOMPARE(control->font().families(), Fonts::designFont(font, 0).families());
    QCOMPARE(control->font().pointSizeF(), points);
    QCOMPARE(control->font().bold(), bold);
    QCOMPARE(control->textColor(), color);
    QVERIFY(control->font().families().contains(QFontInfo(control->font()).family()));
    // The whole caption fits: wrapped into the label's height, or on one line.
    if (control->wordWrap())
        QVERIFY(control->height() >= control->heightForWidth(control->width()));
    else
        QVERIFY(control->width() >= control->fontMetrics().horizontalAdvance(caption));
}

void MainWindowTest::loadSizesAndPlacesByTheScreen()
{
    QCOMPARE(main().objectName(), u"Form1"_s);
    QCOMPARE(main().windowTitle(), u"Lumaro  版本（v" LUMARO_VERSION u"）  "_s);
    const QSize screen = main().screen()->size();
    // Sized to the screen: it fills what the desktop leaves it, and is laid out for the screen.
    QVERIFY(main().isMaximized());
    const TwipScale scale = TwipScale::of(main());
    const MainLayout layout =
        MainLayoutFor(scale.toTwips(screen.width()), scale.toTwips(screen.height()));
    auto at = [&](double left, double top) {
        return QPoint(scale.toPixels(left), scale.toPixels(top));
    };
    QCOMPARE(control(u"Label1"_s)->pos(), at(layout.label1Left, 3000));
    QCOMPARE(control(u"Label12"_s)->pos(), at(layout.label12Left, 4920));
    QCOMPARE(control(u"Label13"_s)->pos(), at(5400, 5640));
    QCOMPARE(control(u"Label15"_s)->pos(), at(1440, layout.label15Top));
    QCOMPARE(control(u"Shape1"_s)->y(), scale.toPixels(layout.shape1Top));
    QCOMPARE(control(u"Image1"_s)->geometry(), QRect(at(5520, layout.imageTop), QSize(80, 80)));
    QCOMPARE(control(u"Image2"_s)->geometry(), control(u"Image1"_s)->geometry());
    QCOMPARE(control(u"Label14"_s)->pos(), at(layout.label14Left, 1200));
    QCOMPARE(control(u"Label3"_s)->y(), scale.toPixels(layout.label3Top));
    QCOMPARE(control(u"Frame1"_s)->geometry(),
             QRect(at(layout.frameLeft, layout.frameTop), QSize(185, 273)));
    QCOMPARE(control(u"Frame2"_s)->geometry(),
             QRect(at(layout.frameLeft, layout.frameTop), QSize(137, 225)));
    QCOMPARE(control(u"Label4"_s)->pos(), at(480, 1080));
    QCOMPARE(control(u"Label8"_s)->pos(), at(480, 3120));
    QCOMPARE(m_program->platform.display.requests, QList<QSize>{QSize(1024, 768)});
    // The second stage's choices take their places when their frame shows.
    QTest::mouseClick(control(u"Label4"_s), Qt::LeftButton);
    QCOMPARE(control(u"Label16"_s)->y(), scale.toPixels(2760));
}

void MainWindowTest::loadStartsAtStageOne()
{
    QVERIFY(control(u"Frame1"_s)->isVisible());
    QVERIFY(!control(u"Frame2"_s)->isVisible());
    for (const QString &name : {u"Label9"_s, u"Label10"_s, u"Label11"_s, u"Label16"_s})
        QVERIFY(!control(name)->isEnabled());
    QVERIFY(control(u"Image1"_s)->isVisible());
    QVERIFY(control(u"Image2"_s)->isVisible());
    QCOMPARE(label(u"Label14"_s)->text(), QString());
    const QList<std::pair<QString, int>> timers{
        {u"Timer2"_s, 50}, {u"Timer3"_s, 1000}, {u"Timer4"_s, 500}};
    for (const auto &[name, interval] : timers) {
        auto *timer = main().findChild<PreciseTimer *>(name);
        QVERIFY(timer);
        QVERIFY(m_runningTimers.contains(name));
        QCOMPARE(timer->interval(), interval);
        QCOMPARE(timer->timerType(), Qt::PreciseTimer);
    }
    QCOMPARE(m_program->platform.instance.checks, 1);
}

void MainWindowTest::typeThenBackIsTheTwoStageChoice_data()
{
    QTest::addColumn<QString>("typeLabel");
    QTest::addColumn<QString>("bank");
    QTest::addColumn<QString>("prefix");
    QTest::newRow("Label4") << u"Label4"_s << u"\\tm1.dat"_s << u"\\jiangjie1"_s;
    QTest::newRow("Label5") << u"Label5"_s << u"\\tm2.dat"_s << u"\\jiangjie2"_s;
    QTest::newRow("Label6") << u"Label6"_s << u"\\tm3.dat"_s << u"\\jiangjie3"_s;
    QTest::newRow("Label7") << u"Label7"_s << u"\\tm4.dat"_s << u"\\jiangjie4"_s;
    QTest::newRow("Label8") << u"Label8"_s << u"\\tm5.dat"_s << u"\\jiangjie5"_s;
}

void MainWindowTest::typeThenBackIsTheTwoStageChoice()
{
    QFETCH(QString, typeLabel);
    QFETCH(QString, bank);
    QFETCH(QString, prefix);
    QTest::mouseClick(control(typeLabel), Qt::LeftButton);
    QVERIFY(!control(u"Frame1"_s)->isVisible());
    QVERIFY(control(u"Frame2"_s)->isVisible());
    for (const QString &name : {u"Label9"_s, u"Label10"_s, u"Label11"_s, u"Label16"_s})
        QVERIFY(control(name)->isEnabled());
    QCOMPARE(m_program->shell->settings().BankFileName, bank);
    QCOMPARE(m_program->shell->settings().ExampleSoundPrefix, prefix);

    QTest::mouseClick(control(u"Label16"_s), Qt::LeftButton);
    QVERIFY(control(u"Frame1"_s)->isVisible());
    QVERIFY(!control(u"Frame2"_s)->isVisible());
    QCOMPARE(m_program->shell->settings().BankFileName, bank);
    QVERIFY(m_program->platform.sound.played.isEmpty());
}

void MainWindowTest::mottoTimerAlternatesTheMotto()
{
    const QPoint mottoAt = control(u"Label14"_s)->pos();
    for (int tick = 1; tick <= 66; ++tick)
        main().Timer2_Timer();
    QCOMPARE(label(u"Label14"_s)->text(), u"掌握方法"_s);
    // Shown, the motto fits its caption where it was placed.
    const QLabel *motto = label(u"Label14"_s);
    QCOMPARE(motto->pos(), mottoAt);
    QVERIFY(motto->width() >= motto->fontMetrics().horizontalAdvance(motto->text()));
    QCOMPARE(motto->height(), motto->fontMetrics().height());
    main().Timer2_Timer();
    QCOMPARE(label(u"Label14"_s)->text(), u"提高能力"_s);
    for (int tick = 68; tick <= 134; ++tick)
        main().Timer2_Timer();
    QCOMPARE(label(u"Label14"_s)->text(), u"提高能力"_s);
    main().Timer2_Timer();
    QCOMPARE(label(u"Label14"_s)->text(), u"掌握方法"_s);
}

void MainWindowTest::musicTimerPlaysTheTitleMusic()
{
    main().Timer3_Timer();
    const QString music = m_program->shell->settings().path(u"\\ptq.wav"_s);
    QCOMPARE(m_program->platform.sound.played, QStringList{music});
    for (int tick = 2; tick <= 29; ++tick)
        main().Timer3_Timer();
    QCOMPARE(m_program->platform.sound.played.size(), 1);
    main().Timer3_Timer();
    QCOMPARE(m_program->platform.sound.played, (QStringList{music, music}));
}

void MainWindowTest::idleTimersWakeOnlyForAChange()
{
    auto *motto = main().findChild<PreciseTimer *>(u"Timer2"_s);
    auto *music = main().findChild<PreciseTimer *>(u"Timer3"_s);
    motto->setEnabled(true);
    music->setEnabled(true);
    const QList<std::pair<QString, int>> wakes{
        {u"掌握方法"_s, 3300}, {u"提高能力"_s, 3400}, {u"掌握方法"_s, 3300}};
    for (const auto &[caption, nextWakeMs] : wakes) {
        motto->wake();
        QCOMPARE(label(u"Label14"_s)->text(), caption);
        QCOMPARE(motto->interval(), nextWakeMs);
    }
    music->wake();
    QCOMPARE(m_program->platform.sound.played.size(), 1);
    QCOMPARE(music->interval(), 29000);
    music->wake();
    QCOMPARE(m_program->platform.sound.played.size(), 2);
    QCOMPARE(main().logic().musicTicks(), 30);
    motto->stop();
    music->stop();
}

void MainWindowTest::pictureTimerAlternatesThePictures()
{
    QWidget *image1 = control(u"Image1"_s);
    QWidget *image2 = control(u"Image2"_s);
    main().Timer4_Timer();
    QVERIFY(!image1->isVisible());
    QVERIFY(image2->isVisible());
    main().Timer4_Timer();
    QVERIFY(image1->isVisible());
    QVERIFY(!image2->isVisible());
}

void MainWindowTest::hoverTurnsLabelsYellowAndFramesTurnThemRed()
{
    QWidget *frame1 = control(u"Frame1"_s);
    QTest::mouseMove(control(u"Label4"_s), QPoint(5, 5));
    QCOMPARE(label(u"Label4"_s)->textColor(), yellow());
    QTest::mouseMove(control(u"Label2"_s), QPoint(5, 5));
    QCOMPARE(label(u"Label2"_s)->textColor(), yellow());
    // Off the frame altogether: they stay yellow.
    QTest::mouseMove(&main(), QPoint(20, 200));
    QCOMPARE(label(u"Label4"_s)->textColor(), yellow());
    QTest::mouseMove(frame1, QPoint(frame1->width() - 5, frame1->height() - 5));
    QCOMPARE(label(u"Label4"_s)->textColor(), red());
    QCOMPARE(label(u"Label2"_s)->textColor(), red());

    QTest::mouseClick(control(u"Label5"_s), Qt::LeftButton);
    QWidget *frame2 = control(u"Frame2"_s);
    QTest::mouseMove(control(u"Label9"_s), QPoint(5, 5));
    QTest::mouseMove(control(u"Label16"_s), QPoint(5, 5));
    QCOMPARE(label(u"Label9"_s)->textColor(), yellow());
    QCOMPARE(label(u"Label16"_s)->textColor(), yellow());
    QTest::mouseMove(frame2, QPoint(frame2->width() - 5, frame2->height() - 5));
    QCOMPARE(label(u"Label9"_s)->textColor(), red());
    QCOMPARE(label(u"Label16"_s)->textColor(), red());
}

void MainWindowTest::menuShowsItsMessages_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("instructions") << u"shiyongshuoming"_s << u"使用说明"_s << u"使用说明"_s
                                  << QStringList{
                                         u"该软件概括了题目的各种答案，只要按标准输入软件"_s,
                                         u"就能做出正确判断。输入标准：1.有乘号的地方不能"_s,
                                         u"省略。2.乘号用*，除号用/，括号用英文括号，加号"_s,
                                         u"用+，减号用-。分数作除数要用括号"_s};
    QTest::newRow("feedback") << u"wentifankui"_s << u"问题反馈"_s << u"问题解答"_s
                              << QStringList{
                                     u"该软件我们进行了多次修改功能有很大提高"_s,
                                     u"这是这款软件的正式版本v" LUMARO_VERSION u",以后我们还"_s,
                                     u"会不断的补充完善。用户在使用过程中如果"_s,
                                     u"遇到问题或有什么建议可给我们留言："_s,
                                     u"Lumaro 制作组"_s,
                                     u"电子邮箱：feedback@lumaro.example"_s};
}

void MainWindowTest::menuShowsItsMessages()
{
    QFETCH(QString, entry);
    QFETCH(QString, caption);
    QFETCH(QString, title);
    QFETCH(QStringList, lines);
    const QList<QAction *> entries = main().menuBar()->actions();
    QCOMPARE(entries.size(), 3);
    QCOMPARE(entries.at(0)->objectName(), u"shiyongshuoming"_s);
    QCOMPARE(entries.at(2)->text(), u"退出"_s);
    QAction *action = main().findChild<QAction *>(entry);
    QVERIFY(action);
    QCOMPARE(action->text(), caption);
    action->trigger();
    const Message expected{title, lines.join(u"\r\n"_s), Message::Icon::None};
    QCOMPARE(m_program->platform.messages.shown, QList<Message>{expected});
    QVERIFY(main().isVisible());
}

void MainWindowTest::exitMakesTheClickSoundAndEnds()
{
    QSignalSpy ended(m_program->shell.get(), &Shell::ended);
    main().findChild<QAction *>(u"tuichu"_s)->trigger();
    QCOMPARE(m_program->platform.sound.played, QStringList{u"d:\\"_s});
    QCOMPARE(ended.count(), 1);
    QVERIFY(m_program->shell->hasEnded());
    QVERIFY(!main().isVisible());
    QVERIFY(m_program->platform.messages.shown.isEmpty());
}

void MainWindowTest::everyControlHasAnAccessibleName()
{
    for (QWidget *widget : main().findChildren<QWidget *>()) {
        const QString name = widget->objectName();
        if (!name.startsWith(u"Label"_s) && !name.startsWith(u"Frame"_s) &&
            !name.startsWith(u"Image"_s))
            continue;
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(widget);
        QVERIFY(accessible);
        if (name == u"Label14"_s)
            continue; // the motto is empty until the first tick
        QVERIFY2(!accessible->text(QAccessible::Name).isEmpty(), qPrintable(name));
    }
    QTest::mouseClick(control(u"Label7"_s), Qt::LeftButton);
    QCOMPARE(QAccessible::queryAccessibleInterface(control(u"Label10"_s))->text(QAccessible::Name),
             u"练习"_s);
}

QTEST_MAIN(MainWindowTest)
#include "mainwindow_test.moc"
