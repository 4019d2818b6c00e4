// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls.h"
#include "fonts.h"
#include "knowledgewindow.h"
#include "precisetimer.h"
#include "units.h"

#include <QFontInfo>
#include <QStandardPaths>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

class KnowledgeWindowTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void windowIsAsDesigned();
    void labelsAreAsDesigned_data();
    void labelsAreAsDesigned();
    void opensEmptyWithItsTimerRunning();
    void ticksWriteThePassages_data();
    void ticksWriteThePassages();
    void completeTextFitsItsLabels();
    void theTimerRestsOnceTheTextIsComplete();
    void aClickOnTheBackgroundCloses();
    void aClickOnALabelDoesNothing();
    void reopeningStartsAgain();

private:
    CaptionLabel *label(const QString &name) { return m_window->findChild<CaptionLabel *>(name); }
    void tick(int times)
    {
        for (int i = 0; i < times; ++i)
            m_window->Timer1_Timer();
    }
    std::unique_ptr<KnowledgeWindow> m_window;
    bool m_timerRanAtOpen = false;
};

void KnowledgeWindowTest::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void KnowledgeWindowTest::init()
{
    m_window = std::make_unique<KnowledgeWindow>();
    m_window->open();
    // The tests tick the timer themselves.
    auto *timer = m_window->findChild<PreciseTimer *>(u"Timer1"_s);
    m_timerRanAtOpen = timer->isActive();
    timer->stop();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void KnowledgeWindowTest::cleanup()
{
    m_window.reset();
}

void KnowledgeWindowTest::windowIsAsDesigned()
{
    QCOMPARE(m_window->objectName(), u"Form10"_s);
    QCOMPARE(m_window->windowTitle(), u"基础知识"_s);
    const TwipScale scale = TwipScale::of(*m_window);
    QCOMPARE(m_window->size(), QSize(scale.toPixels(11655), scale.toPixels(8115)));
    QVERIFY(m_window->isWindow());
}

void KnowledgeWindowTest::labelsAreAsDesigned_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QPoint>("place"); // twips
    QTest::newRow("Label1") << u"Label1"_s << QPoint(960, 600);
    QTest::newRow("Label2") << u"Label2"_s << QPoint(960, 1440);
    QTest::newRow("Label3") << u"Label3"_s << QPoint(3240, 1800);
    QTest::newRow("Label11") << u"Label11"_s << QPoint(1080, 5400);
    QTest::newRow("Label13") << u"Label13"_s << QPoint(3000, 5760);
}

void KnowledgeWindowTest::labelsAreAsDesigned()
{
    QFETCH(QString, name);
    QFETCH(QPoint, place);
    CaptionLabel *control = label(name);
    QVERIFY(control);
    const TwipScale scale = TwipScale::of(*m_window);
    QCOMPARE(control->pos(), QPoint(scale.toPixels(place.x()), scale.toPixels(place.y())));
    QCOMPARE(control->font().families(), Fonts::designFont(u"宋体"_s, 0).families());
    QCOMPARE(control->font().pointSizeF(), 15.75);
    QVERIFY(control->font().families().contains(QFontInfo(control->font()).family()));
    QCOMPARE(control->textColor(), colorFromBgr(Bgr::Red));
    QVERIFY(!control->autoFillBackground());
}

void KnowledgeWindowTest::opensEmptyWithItsTimerRunning()
{
    for (const QString &name : {u"Label1"_s, u"Label2"_s, u"Label3"_s, u"Label11"_s, u"Label13"_s})
        QCOMPARE(label(name)->text(), QString());
    auto *timer = m_window->findChild<PreciseTimer *>(u"Timer1"_s);
    QVERIFY(m_timerRanAtOpen);
    QCOMPARE(timer->interval(), 100);
    QCOMPARE(timer->timerType(), Qt::PreciseTimer);
}

void KnowledgeWindowTest::ticksWriteThePassages_data()
{
    QTest::addColumn<int>("ticks");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::newRow("first character") << 1 << u"Label1"_s << u"应"_s;
    QTest::newRow("passage 1 whole")
        << 24 << u"Label1"_s << u"应用题的基本组成：已知数量+数量关系+所求问题 "_s;
    QTest::newRow("passage 2 begins") << 30 << u"Label2"_s << u"解"_s;
    QTest::newRow("passage 3, mid-reveal") << 70 << u"Label3"_s << u"找出题目的数量关系是正"_s;
    QTest::newRow("passage 4, leading blank") << 241 << u"Label11"_s << u" 使"_s;
    QTest::newRow("passage 5 whole")
        << 400 << u"Label13"_s
        << u"试验证明效果很好，掌握了这种解题方法，无论是小学还是中学的应用题完全可以自学掌握，真正"
           u"达到提高"
           u"自学能力的目的。您可以尝试一下。有什么问题可与我们联系。"_s;
}

void KnowledgeWindowTest::ticksWriteThePassages()
{
    QFETCH(int, ticks);
    QFETCH(QString, name);
    QFETCH(QString, text);
    tick(ticks);
    QCOMPARE(label(name)->text(), text);
    QCOMPARE(label(name)->accessibleName(), text);
}

void KnowledgeWindowTest::completeTextFitsItsLabels()
{
    tick(344);
    QVERIFY(m_window->reveal().complete());
    for (CaptionLabel *control : m_window->findChildren<CaptionLabel *>()) {
        const QSize needed =
            control->wordWrap() ? QSize(control->width(), control->heightForWidth(control->width()))
                                : control->sizeHint();
        QVERIFY2(control->width() >= needed.width() && control->height() >= needed.height(),
                 qPrintable(control->objectName()));
        QVERIFY(m_window->rect().contains(control->geometry()));
    }
    const QImage done = m_window->grab().toImage();
    tick(100);
    QCOMPARE(m_window->grab().toImage(), done);
}

void KnowledgeWindowTest::theTimerRestsOnceTheTextIsComplete()
{
    auto *timer = m_window->findChild<PreciseTimer *>(u"Timer1"_s);
    timer->setEnabled(true);
    tick(343);
    QVERIFY(timer->isActive());
    tick(1);
    QVERIFY(!timer->isActive());
    m_window->close();
    m_window->open();
    QVERIFY(timer->isActive());
    timer->stop();
}

void KnowledgeWindowTest::aClickOnTheBackgroundCloses()
{
    m_window->findChild<PreciseTimer *>(u"Timer1"_s)->start();
    QTest::mouseClick(m_window.get(), Qt::LeftButton, {}, QPoint(10, m_window->height() - 10));
    QVERIFY(!m_window->isVisible());
    QVERIFY(!m_window->findChild<PreciseTimer *>(u"Timer1"_s)->isActive());
}

void KnowledgeWindowTest::aClickOnALabelDoesNothing()
{
    tick(5);
    QTest::mouseClick(label(u"Label1"_s), Qt::LeftButton, {}, QPoint(5, 5));
    QVERIFY(m_window->isVisible());
    QCOMPARE(m_window->reveal().ticks(), 5);
}

void KnowledgeWindowTest::reopeningStartsAgain()
{
    tick(100);
    m_window->close();
    m_window->open();
    QVERIFY(m_window->isVisible());
    QCOMPARE(label(u"Label1"_s)->text(), QString());
    QCOMPARE(label(u"Label3"_s)->text(), QString());
    QCOMPARE(m_window->reveal().ticks(), 0);
}

QTEST_MAIN(KnowledgeWindowTest)
#include "knowledgewindow_test.moc"
