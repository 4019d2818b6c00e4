// SPDX-License-Identifier: GPL-3.0-or-later
// Every window at the screen sizes pupils have: the design screen scaled whole and centred,
// nothing outside the window, no two controls a pupil works on one over the other, no caption
// cut off.
#include "designscreen.h"
#include "exampleswindow.h"
#include "keyboardfixture.h"
#include "knowledgewindow.h"
#include "mainwindow.h"
#include "practicewindow.h"
#include "previewwindow.h"
#include "printingdesk.h"
#include "printsettingswindow.h"
#include "testwindow.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QRadioButton>

#include <cmath>
#include <functional>

using namespace Qt::Literals::StringLiterals;

namespace {

using Key = KeyboardFixture;

/// A window in one of its states, opened on a running program.
using Opener = std::function<QWidget *(KeyboardFixture &)>;

QWidget *OpenLearning(KeyboardFixture &program, WindowId id)
{
    program.shell->mainWindow().TypeLabel_Click(1);
    QWidget *window = program.shell->handOver(program.shell->currentWindow(), id);
    Key::stopTimers(window);
    return window;
}

QWidget *MainChoosingContent(KeyboardFixture &program)
{
    return program.shell->currentWindow();
}

QWidget *MainChoosingMode(KeyboardFixture &program)
{
    program.shell->mainWindow().TypeLabel_Click(1);
    return program.shell->currentWindow();
}

QWidget *ExamplesWriting(KeyboardFixture &program)
{
    QWidget *window = OpenLearning(program, WindowId::Examples);
    auto *examples = qobject_cast<ExamplesWindow *>(window);
    examples->Command1_Click();
    for (int tick = 0; tick < 60; ++tick)
        examples->Timer1_Timer();
    return window;
}

QWidget *PracticeAnswered(KeyboardFixture &program)
{
    QWidget *window = OpenLearning(program, WindowId::Practice);
    auto *practice = qobject_cast<PracticeWindow *>(window);
    practice->Command1_Click();
    for (int tick = 0; tick < 80; ++tick)
        practice->Timer2_Timer();
    if (auto *answer = window->findChild<QLineEdit *>(u"Text1"_s)) {
        answer->setText(u"1+1"_s);
        practice->Text1_KeyPress(13);
    }
    return window;
}

QWidget *TestHandedIn(KeyboardFixture &program)
{
    QWidget *window = OpenLearning(program, WindowId::Test);
    auto *test = qobject_cast<TestWindow *>(window);
    test->Option1_Click();
    test->Option2_Click();
    return window;
}

QWidget *TestKnowledge(KeyboardFixture &program)
{
    program.shell->mainWindow().Label2_Click();
    KnowledgeWindow *knowledge = program.shell->mainWindow().knowledgeWindow();
    Key::stopTimers(knowledge);
    for (int tick = 0; tick < 400; ++tick)
        knowledge->Timer1_Timer();
    return knowledge;
}

QWidget *PrintSettingsOpen(KeyboardFixture &program)
{
    auto *test = qobject_cast<TestWindow *>(OpenLearning(program, WindowId::Test));
    test->yemianshezhi_Click();
    return test->findChild<PrintSettingsWindow *>();
}

struct Control {
    QWidget *widget;
    QRect area; ///< in its window
};

bool InsideStage(const QWidget &widget)
{
    for (const QWidget *w = widget.parentWidget(); w && !w->isWindow(); w = w->parentWidget()) {
        if (qobject_cast<const DesignStage *>(w))
            return true;
    }
    return false;
}

/// The window's own controls that show: named, inside its design, shown.
QList<Control> ShownControls(QWidget &window)
{
    QList<Control> shown;
    const QList<QWidget *> all = window.findChildren<QWidget *>();
    for (QWidget *widget : all) {
        if (widget->objectName().isEmpty() || widget->objectName().startsWith(u"qt_"_s) ||
            !InsideStage(*widget) || !widget->isVisibleTo(&window) || widget->window() != &window)
            continue;
        shown.append({widget, QRect(widget->mapTo(&window, QPoint(0, 0)), widget->size())});
    }
    return shown;
}

bool IsActionable(const QWidget &widget)
{
    return qobject_cast<const QAbstractButton *>(&widget) ||
           qobject_cast<const QLineEdit *>(&widget) || qobject_cast<const QComboBox *>(&widget) ||
           qobject_cast<const QPlainTextEdit *>(&widget) || widget.inherits("ActionLabel");
}

bool IsAncestor(const QWidget &ancestor, const QWidget &widget)
{
    return ancestor.isAncestorOf(&widget);
}

DesignStage *StageOf(QWidget &window)
{
    return window.findChild<DesignStage *>();
}

/// Resizes a window as the window manager would, and lets it lay itself out.
void ResizeWindow(QWidget &window, const QSize &size)
{
    if (window.minimumSize() == window.maximumSize()) {
        window.setFixedSize(size);
    } else {
        window.setWindowState(Qt::WindowNoState);
        window.resize(size);
    }
    QCoreApplication::processEvents();
}

/// The size a window takes on a screen: the full-screen windows all of it, the others their
/// design's share of it.
QSize SizeOnScreen(QWidget &window, const QSize &screen)
{
    if (window.minimumSize() != window.maximumSize())
        return screen;
    const QSize design = StageOf(window)->designPixels();
    const double scale = DesignScreen::scaleFor(screen);
    return QSize(qRound(design.width() * scale), qRound(design.height() * scale));
}

} // namespace

class WindowLayoutTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void everyWindowScalesWhole_data();
    void everyWindowScalesWhole();
    void thePreviewPageScalesWithTheScreen();
};

void WindowLayoutTest::everyWindowScalesWhole_data()
{
    QTest::addColumn<Opener>("open");
    QTest::addColumn<QSize>("screen");
    const std::pair<const char *, Opener> windows[] = {
        {"main, content", MainChoosingContent}, {"main, mode", MainChoosingMode},
        {"knowledge", TestKnowledge},           {"examples", ExamplesWriting},
        {"practice", PracticeAnswered},         {"test", TestHandedIn},
        {"print settings", PrintSettingsOpen}};
    const QSize screens[] = {{800, 600},  {1024, 768},  {1280, 1024}, {1366, 768},
                             {1280, 800}, {1920, 1080}, {2560, 1440}, {3840, 2160}};
    for (const auto &[name, open] : windows) {
        for (const QSize &screen : screens) {
            QTest::addRow("%s at %dx%d", name, screen.width(), screen.height()) << open << screen;
        }
    }
}

void WindowLayoutTest::everyWindowScalesWhole()
{
    QFETCH(Opener, open);
    QFETCH(QSize, screen);
    KeyboardFixture program;
    QVERIFY(program.writeBank());
    QVERIFY(program.start());
    QWidget *window = open(program);
    QVERIFY(window);
    DesignStage *stage = StageOf(*window);
    QVERIFY(stage);

    ResizeWindow(*window, SizeOnScreen(*window, DesignScreen::Pixels));
    QCOMPARE(stage->scale(), DesignScreen::scaleFor(window->size(), stage->designPixels()));
    QHash<QWidget *, QRect> designed;
    for (const Control &control : ShownControls(*window))
        designed.insert(control.widget,
                        QRect(control.widget->mapTo(stage, QPoint(0, 0)), control.widget->size()));

    const QSize size = SizeOnScreen(*window, screen);
    ResizeWindow(*window, size);
    QCOMPARE(window->size(), size);
    const double scale = DesignScreen::scaleFor(size, stage->designPixels());
    QVERIFY(std::abs(stage->scale() - scale) < 1e-9);
    const QWidget &client = *stage->parentWidget();
    QVERIFY(std::abs(stage->x() - (client.width() - stage->width()) / 2) <= 1);

    const QList<Control> shown = ShownControls(*window);
    QVERIFY(!shown.isEmpty());
    for (const Control &control : shown) {
        const QString name = control.widget->objectName();
        // A caption not yet shown (the main window's motto) has no size yet, only its place.
        const bool inside = control.area.isEmpty() ? window->rect().contains(control.area.topLeft())
                                                   : window->rect().contains(control.area);
        QVERIFY2(inside, qPrintable(name + u" lies outside"_s));
        if (auto *label = qobject_cast<QLabel *>(control.widget);
            label && !label->wordWrap() && !label->text().isEmpty()) {
            QVERIFY2(label->width() + 1 >= label->sizeHint().width(),
                     qPrintable(name + u" cuts its caption"_s));
        }
        if (auto *option = qobject_cast<QRadioButton *>(control.widget)) {
            QVERIFY2(option->width() + 1 >= option->sizeHint().width(),
                     qPrintable(name + u" cuts its caption"_s));
        }
        const QRect before = designed.value(control.widget);
        auto *emptyLabel = qobject_cast<QLabel *>(control.widget);
        if (before.isNull() ||
            (emptyLabel && emptyLabel->text().isEmpty() && emptyLabel->pixmap().isNull()))
            continue;
        const QRect now(control.widget->mapTo(stage, QPoint(0, 0)), control.widget->size());
        const QRectF expected(before.x() * scale, before.y() * scale, before.width() * scale,
                              before.height() * scale);
        // Places come from twips at the scale; text-sized controls follow their font's metrics.
        const double slack = 1.5 + 0.06 * std::max(expected.width(), expected.height());
        // Each place is rounded to a pixel, at the design's size and again at the scale.
        const double nearby = 1 + scale;
        QVERIFY2(std::abs(now.x() - expected.x()) <= nearby &&
                     std::abs(now.y() - expected.y()) <= nearby,
                 qPrintable(u"%1 at %2,%3, expected %4,%5"_s.arg(name)
                                .arg(now.x())
                                .arg(now.y())
                                .arg(expected.x())
                                .arg(expected.y())));
        QVERIFY2(std::abs(now.width() - expected.width()) <= slack &&
                     std::abs(now.height() - expected.height()) <= slack,
                 qPrintable(u"%1 is %2x%3, expected %4x%5"_s.arg(name)
                                .arg(now.width())
                                .arg(now.height())
                                .arg(expected.width())
                                .arg(expected.height())));
    }
    for (const Control &a : shown) {
        for (const Control &b : shown) {
            if (a.widget >= b.widget || !IsActionable(*a.widget) || !IsActionable(*b.widget) ||
                IsAncestor(*a.widget, *b.widget) || IsAncestor(*b.widget, *a.widget))
                continue;
            QVERIFY2(!a.area.intersects(b.area),
                     qPrintable(a.widget->objectName() + u" overlaps "_s + b.widget->objectName()));
        }
    }
}

void WindowLayoutTest::thePreviewPageScalesWithTheScreen()
{
    KeyboardFixture program;
    QVERIFY(program.writeBank());
    QVERIFY(program.start());
    auto *test = qobject_cast<TestWindow *>(OpenLearning(program, WindowId::Test));
    test->Option1_Click();
    test->dayinyulan_Click();
    auto *preview = test->findChild<PreviewWindow *>();
    QVERIFY(preview && preview->isVisible());
    auto *pageWindow = preview->findChild<QWidget *>(u"Form6"_s);
    QVERIFY(pageWindow);
    // The page's size is its window's outer size, the frame included.
    QWidget *page = pageWindow->parentWidget();
    const int designed = page->width();
    // On a screen twice the design's size the page is drawn twice as large.
    preview->setScale(2.0);
    QVERIFY2(std::abs(page->width() - 2 * designed) <= 2,
             qPrintable(u"%1 against %2"_s.arg(page->width()).arg(designed)));
}

QTEST_MAIN(WindowLayoutTest)
#include "windowlayout_test.moc"
