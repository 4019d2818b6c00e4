// SPDX-License-Identifier: GPL-3.0-or-later
#include "designscreen.h"

#include "backdrop.h"
#include "pictures.h"

#include <QApplication>
#include <QChildEvent>
#include <QEvent>
#include <QLayout>
#include <QMainWindow>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>
#include <QtMath>

#include <algorithm>
#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace {

const char *const ScaleProperty = "lumaroDesignScale";
const char *const DesignPointsProperty = "lumaroDesignPoints";
const char *const ShownPointsProperty = "lumaroShownPoints";
const char *const DesignStyleProperty = "lumaroDesignStyle";

bool samePoints(double a, double b)
{
    return std::abs(a - b) < 0.001;
}

/// A radio button's mark and the gap after it are drawn at the style's own size; left so in a
/// design scaled down, they crowd out the caption that shrank with it. Rounded down, so they
/// never take more than their share.
void scaleOptionMarks(QWidget &stage, double scale)
{
    const QStyle *style = QApplication::style();
    const int side = qFloor(style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth) * scale);
    const int gap = qFloor(style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing) * scale);
    const QList<QRadioButton *> options = stage.findChildren<QRadioButton *>();
    for (QRadioButton *option : options) {
        if (!option->property(DesignStyleProperty).isValid())
            option->setProperty(DesignStyleProperty, option->styleSheet());
        const QString design = option->property(DesignStyleProperty).toString();
        option->setStyleSheet(
            samePoints(scale, 1.0)
                ? design
                : design + u" QRadioButton::indicator { width: %1px; "
                           u"height: %1px; } QRadioButton { spacing: %2px; }"_s.arg(side)
                               .arg(gap));
    }
}

} // namespace

namespace DesignScreen {

double scaleFor(const QSize &area, const QSize &designPixels)
{
    if (area.isEmpty() || designPixels.isEmpty())
        return 1.0;
    return std::min(double(area.width()) / designPixels.width(),
                    double(area.height()) / designPixels.height());
}

double scaleOfScreen(const QWidget &widget)
{
    const QScreen *screen = widget.screen();
    return screen ? scaleFor(screen->geometry().size()) : 1.0;
}

QRect stageRect(const QSize &area, double scale, const QSize &designPixels)
{
    const QSize shown(qRound(designPixels.width() * scale), qRound(designPixels.height() * scale));
    return QRect(QPoint((area.width() - shown.width()) / 2,
                        std::max(0, (area.height() - shown.height()) / 2)),
                 shown);
}

double scaleOf(const QWidget &widget)
{
    for (const QWidget *w = &widget; w; w = w->parentWidget()) {
        const QVariant scale = w->property(ScaleProperty);
        if (scale.isValid())
            return scale.toDouble();
        if (w->isWindow())
            break;
    }
    return 1.0;
}

void setScale(QWidget &holder, double scale)
{
    holder.setProperty(ScaleProperty, scale > 0 ? scale : 1.0);
}

namespace {

/// Where a main window's layout will put its central widget: under the menu bar, worked out
/// as the layout does. Laying the window out itself would first measure every control at its
/// design size, each font loaded and each caption laid out twice.
QRect centralAreaAhead(const QMainWindow &window)
{
    QRect area = window.rect();
    const QWidget *bar = window.menuWidget();
    if (!bar || bar->isHidden())
        return area;
    int height = bar->heightForWidth(std::max(area.width(), bar->minimumWidth()));
    if (height < 0)
        height = bar->sizeHint().height();
    height = std::clamp(height, bar->minimumSizeHint().height(), bar->maximumHeight());
    area.setTop(area.top() + height);
    return area;
}

/// A hidden window hears of its size only when shown: its stages are fitted now, so the
/// window lays its controls out once, at their scale, and its picture is drawn meanwhile.
void fitStagesAhead(QWidget &window)
{
    if (window.isVisible())
        return;
    auto *main = qobject_cast<QMainWindow *>(&window);
    QWidget *client = main ? main->centralWidget() : &window;
    if (main && client)
        client->setGeometry(centralAreaAhead(*main));
    else if (QLayout *layout = window.layout())
        layout->activate();
    const QList<DesignStage *> stages = window.findChildren<DesignStage *>();
    for (DesignStage *stage : stages) {
        if (client && stage->parentWidget() == client)
            stage->fitInto(client->size());
    }
}

} // namespace

void fillScreen(QWidget &window)
{
    if (const QScreen *screen = window.screen()) {
        const QRect whole = screen->geometry();
        window.resize(whole.size());
        window.move(whole.topLeft());
    }
    window.setWindowState(window.windowState() | Qt::WindowMaximized);
    fitStagesAhead(window);
}

} // namespace DesignScreen

DesignStage::DesignStage(QWidget &parent, QSize designPixels)
    : QWidget(&parent), m_designPixels(designPixels)
{
    setObjectName(u"DesignStage"_s);
    // Moves over the stage's bare parts reach the window beneath, as they did without it.
    setMouseTracking(true);
    // Until its window has a size, the stage shows the design as it is.
    DesignScreen::setScale(*this, 1.0);
    resize(designPixels);
    m_fonts = new FontScaler(*this);
    parent.installEventFilter(this);
    // A window made smaller than half its design would no longer be legible.
    parent.window()->setMinimumSize(designPixels / 2);
}

DesignStage::~DesignStage() = default;

void DesignStage::fitInto(const QSize &area)
{
    if (area.isEmpty())
        return;
    const QSize whole = window()->size();
    const double scale = DesignScreen::scaleFor(whole.isEmpty() ? area : whole, m_designPixels);
    setGeometry(DesignScreen::stageRect(area, scale, m_designPixels));
    if (auto *backdrop = qobject_cast<Backdrop *>(parentWidget())) {
        backdrop->setPictureArea(geometry());
        backdrop->renderAhead();
    }
    if (samePoints(scale, this->scale()))
        return;
    DesignScreen::setScale(*this, scale);
    m_fonts->apply();
    RescaleHandCursors(*this);
    scaleOptionMarks(*this, scale);
    Q_EMIT rescaled();
}

bool DesignStage::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == parent() && event->type() == QEvent::Resize)
        fitInto(parentWidget()->size());
    return QWidget::eventFilter(watched, event);
}

FontScaler::FontScaler(QWidget &root) : QObject(&root), m_root(&root)
{
    watch(root);
}

void FontScaler::apply()
{
    if (!m_root)
        return;
    scaleFont(*m_root);
    const QList<QWidget *> inside = m_root->findChildren<QWidget *>();
    for (QWidget *widget : inside)
        scaleFont(*widget);
}

void FontScaler::watch(QWidget &widget)
{
    widget.installEventFilter(this);
    const QList<QWidget *> inside = widget.findChildren<QWidget *>();
    for (QWidget *child : inside)
        child->installEventFilter(this);
}

bool FontScaler::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::ChildAdded) {
        QObject *child = static_cast<QChildEvent *>(event)->child();
        if (child->isWidgetType())
            watch(*static_cast<QWidget *>(child));
    } else if (event->type() == QEvent::FontChange && !m_applying && watched->isWidgetType()) {
        scaleFont(*static_cast<QWidget *>(watched));
    }
    return QObject::eventFilter(watched, event);
}

void FontScaler::scaleFont(QWidget &widget)
{
    if (!widget.testAttribute(Qt::WA_SetFont) || widget.font().pointSizeF() <= 0)
        return;
    const double current = widget.font().pointSizeF();
    // A size other than the one shown last is a size the window gave: its design size.
    const QVariant shown = widget.property(ShownPointsProperty);
    if (!shown.isValid() || !samePoints(shown.toDouble(), current))
        widget.setProperty(DesignPointsProperty, current);
    const double wanted =
        widget.property(DesignPointsProperty).toDouble() * DesignScreen::scaleOf(widget);
    widget.setProperty(ShownPointsProperty, wanted);
    if (samePoints(wanted, current))
        return;
    QFont font = widget.font();
    font.setPointSizeF(wanted);
    m_applying = true;
    widget.setFont(font);
    m_applying = false;
}
