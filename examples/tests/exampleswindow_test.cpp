// SPDX-License-Identifier: GPL-3.0-or-later
#include "examplelayout.h"
#include "exampleswindow.h"
#include "fonts.h"
#include "recordingservices.h"
#include "surfaceview.h"
#include "testbanks.h"
#include "units.h"

#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace Qt::Literals::StringLiterals;

Q_DECLARE_METATYPE(WindowId)

namespace {

/// The program's owner, as far as this window sees it: settings, and hand-overs recorded.
class FakeHost final : public WindowHost {
public:
    const ProgramSettings &settings() const override { return programSettings; }
    QWidget *handOver(QWidget *leaving, WindowId next) override
    {
        handOvers.append(next);
        if (leaving)
            leaving->close();
        return nullptr;
    }
    void endProgram() override {}

    ProgramSettings programSettings;
    QList<WindowId> handOvers;
};

} // namespace

class ExamplesWindowTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void isBuiltAsDesigned();
    void loadFillsTheScreenWithTheButtonsInARow();
    void writesAnExampleWhileItsNarrationPlays();
    void theClosingWordsLeaveOnlyTheWaysOut();
    void leadsToTheOtherWindows_data();
    void leadsToTheOtherWindows();
    void reopeningStartsAgainFromTheIntroduction();

private:
    QPushButton *button(const QString &name) const
    {
        return m_window->findChild<QPushButton *>(name);
    }
    QTimer *timer(const QString &name) const { return m_window->findChild<QTimer *>(name); }
    QLabel *marker() const { return m_window->findChild<QLabel *>(u"Image1"_s); }
    QPoint pixels(QPointF twips) const
    {
        const TwipScale scale = TwipScale::of(*m_window);
        return QPoint(scale.toPixels(twips.x()), scale.toPixels(twips.y()));
    }
    void openWindow()
    {
        m_window->load();
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    }
    void finishRecord()
    {
        for (int tick = 0; tick < 1000 && timer(u"Timer1"_s)->isActive(); ++tick)
            m_window->Timer1_Timer();
        for (int tick = 0; tick < 1000 && timer(u"Timer2"_s)->isActive(); ++tick)
            m_window->Timer2_Timer();
    }

    QTemporaryDir m_dir;
    FakeHost m_host;
    RecordingServices m_services;
    std::unique_ptr<ExamplesWindow> m_window;
};

void ExamplesWindowTest::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(m_dir.isValid());
    QVERIFY(TestBanks::Write(m_dir.filePath(u"tm2.dat"_s), TestBanks::Numbered(3)));
}

void ExamplesWindowTest::init()
{
    m_host.programSettings =
        ProgramSettings{QDir::toNativeSeparators(m_dir.path()), u"\\tm2.dat"_s, u"\\jiangjie2"_s};
    m_host.handOvers.clear();
    m_services.sound.played.clear();
    m_window = std::make_unique<ExamplesWindow>(m_host, m_services.services());
}

void ExamplesWindowTest::cleanup()
{
    m_window.reset();
}

void ExamplesWindowTest::isBuiltAsDesigned()
{
    openWindow();
    QCOMPARE(m_window->objectName(), u"Form3"_s);
    QCOMPARE(m_window->windowTitle(), u"Lumaro    例题分析  "_s);
    const QStringList names{u"Command1"_s, u"Command2"_s, u"Command3"_s, u"Command4"_s};
    const QStringList captions{u"开始学习"_s, u"返 回"_s, u"进入练习"_s, u"进入测试"_s};
    for (int i = 0; i < names.size(); ++i) {
        QPushButton *control = button(names[i]);
        QVERIFY2(control, qPrintable(names[i]));
        QCOMPARE(control->text(), captions[i]);
        QVERIFY(control->isEnabled());
        QCOMPARE(control->font().families(), Fonts::designFont(u"宋体"_s, 0).families());
        QCOMPARE(control->font().pointSizeF(), 10.5);
        QCOMPARE(control->cursor().shape(), Qt::BitmapCursor);
    }
    for (const QString &name : {u"Timer1"_s, u"Timer2"_s}) {
        QVERIFY(timer(name));
        QCOMPARE(timer(name)->interval(), 200);
        QVERIFY(!timer(name)->isActive());
    }
    QVERIFY(marker());
    QVERIFY(marker()->isVisible());
    QCOMPARE(marker()->size(), QSize(32, 32));
    QVERIFY(!marker()->pixmap().isNull());
    QCOMPARE(marker()->pos(), pixels(QPointF(2040, 1200)));
    const auto *board = m_window->findChild<SurfaceView *>();
    QVERIFY(board);
    QCOMPARE(board->backColor(), colorFromBgr(0x00FFC0C0));
    QCOMPARE(board->size(), m_window->size());
}

void ExamplesWindowTest::loadFillsTheScreenWithTheButtonsInARow()
{
    m_window->load();
    QCOMPARE(m_window->size(), m_window->screen()->geometry().size());
    const TwipScale scale = TwipScale::of(*m_window);
    const auto places =
        ExampleButtonPlaces(scale.toTwips(m_window->width()), scale.toTwips(m_window->height()));
    QRect previous;
    for (int i = 0; i < 4; ++i) {
        const QRect shown = button(u"Command%1"_s.arg(i + 1))->geometry();
        QCOMPARE(shown.topLeft(), pixels(places[i].topLeft()));
        QCOMPARE(shown.size(), QSize(scale.toPixels(1455), scale.toPixels(495)));
        QCOMPARE(places[i].top(), scale.toTwips(m_window->height()) - 2000);
        QVERIFY(m_window->rect().contains(shown));
        QVERIFY(!shown.intersects(previous)); // left to right, apart
        QVERIFY(previous.isNull() || shown.left() > previous.right());
        previous = shown;
    }
    QCOMPARE(places[3].left(), scale.toTwips(m_window->width()) - 2000);
}

void ExamplesWindowTest::writesAnExampleWhileItsNarrationPlays()
{
    openWindow();
    QPushButton *next = button(u"Command1"_s);
    QTest::mouseClick(next, Qt::LeftButton);
    QCOMPARE(m_services.sound.played, QStringList{m_host.programSettings.ProgramFolder +
                                                  QDir::separator() + u"jiangjie21.ogg"_s});
    QVERIFY(timer(u"Timer1"_s)->isActive());
    QVERIFY(!timer(u"Timer2"_s)->isActive());
    QVERIFY(!next->isEnabled());
    QCOMPARE(next->text(), u"下一题"_s);
    QCOMPARE(next->accessibleName(), u"下一题"_s);

    // The marker follows the pen.
    for (int tick = 0; tick < 5; ++tick)
        m_window->Timer1_Timer();
    QCOMPARE(marker()->pos(), pixels(m_window->lesson().markerPlace()));
    QVERIFY(marker()->x() > pixels(QPointF(2000, 0)).x());

    while (timer(u"Timer1"_s)->isActive())
        m_window->Timer1_Timer();
    QVERIFY(timer(u"Timer2"_s)->isActive());
    QVERIFY(!next->isEnabled());
    while (timer(u"Timer2"_s)->isActive())
        m_window->Timer2_Timer();
    QVERIFY(next->isEnabled());
    QCOMPARE(next->text(), u"下一题"_s);

    QTest::mouseClick(next, Qt::LeftButton);
    QCOMPARE(m_window->lesson().exampleNo(), 2);
    QCOMPARE(m_services.sound.played.size(), 2);
    QVERIFY(m_services.sound.played.last().endsWith(u"jiangjie22.ogg"_s));
}

void ExamplesWindowTest::theClosingWordsLeaveOnlyTheWaysOut()
{
    openWindow();
    QTest::mouseClick(button(u"Command1"_s), Qt::LeftButton);
    finishRecord();
    QTest::mouseClick(button(u"Command1"_s), Qt::LeftButton);
    finishRecord();
    QTest::mouseClick(button(u"Command1"_s), Qt::LeftButton);

    QCOMPARE(m_window->lesson().phase(), ExampleLesson::Phase::Ended);
    QCOMPARE(m_window->surface().runs().front().text, u"例题讲解结束"_s);
    QVERIFY(!button(u"Command1"_s)->isEnabled());
    QVERIFY(!timer(u"Timer1"_s)->isActive());
    QVERIFY(!timer(u"Timer2"_s)->isActive());
    QCOMPARE(marker()->pos(), pixels(QPointF(7000, 2800)));
    for (const QString &name : {u"Command2"_s, u"Command3"_s, u"Command4"_s})
        QVERIFY(button(name)->isEnabled());
}

void ExamplesWindowTest::leadsToTheOtherWindows_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<WindowId>("next");
    QTest::newRow("back") << u"Command2"_s << WindowId::Main;
    QTest::newRow("practice") << u"Command3"_s << WindowId::Practice;
    QTest::newRow("test") << u"Command4"_s << WindowId::Test;
}

void ExamplesWindowTest::leadsToTheOtherWindows()
{
    QFETCH(QString, name);
    QFETCH(WindowId, next);
    openWindow();
    QTest::mouseClick(button(u"Command1"_s), Qt::LeftButton);
    QVERIFY(timer(u"Timer1"_s)->isActive());

    QTest::mouseClick(button(name), Qt::LeftButton);
    QCOMPARE(m_host.handOvers, QList<WindowId>{next});
    QVERIFY(!m_window->isVisible());
    QVERIFY(!timer(u"Timer1"_s)->isActive());
    QVERIFY(!timer(u"Timer2"_s)->isActive());
    // Leaving makes no sound of its own and leaves the narration playing.
    QCOMPARE(m_services.sound.played.size(), 1);
}

void ExamplesWindowTest::reopeningStartsAgainFromTheIntroduction()
{
    openWindow();
    QTest::mouseClick(button(u"Command1"_s), Qt::LeftButton);
    finishRecord();
    QTest::mouseClick(button(u"Command1"_s), Qt::LeftButton);
    m_window->Timer1_Timer();
    m_window->close();

    openWindow();
    QVERIFY(m_window->surface().runs().empty());
    QCOMPARE(m_window->lesson().exampleNo(), 0);
    QCOMPARE(button(u"Command1"_s)->text(), u"开始学习"_s);
    QVERIFY(button(u"Command1"_s)->isEnabled());
    QVERIFY(!timer(u"Timer1"_s)->isActive());
    QCOMPARE(marker()->pos(), pixels(QPointF(2040, 1200)));
    QTest::mouseClick(button(u"Command1"_s), Qt::LeftButton);
    QCOMPARE(m_window->lesson().exampleNo(), 1);
}

QTEST_MAIN(ExamplesWindowTest)
#include "exampleswindow_test.moc"
