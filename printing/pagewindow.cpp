// SPDX-License-Identifier: GPL-3.0-or-later
#include "pagewindow.h"

#include "units.h"

#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace {

/// A guide's area on the screen; a line thinner than a pixel still shows as one pixel.
QRect screenArea(const QWidget &window, const QRectF &twips)
{
    const TwipScale scale = TwipScale::of(window);
    const int left = int(std::floor(scale.toPixelsF(twips.left())));
    const int top = int(std::floor(scale.toPixelsF(twips.top())));
    const int width = std::max(1, scale.toPixels(twips.width()));
    const int height = std::max(1, scale.toPixels(twips.height()));
    return QRect(left, top, width, height);
}

constexpr double FirstWidth = 8505;
constexpr double FirstHeight = 10125;

} // namespace

PageWindow::PageWindow(PaperPage &page, QWidget *parent)
    : SurfaceView(page.text(), parent), m_page(page)
{
    setObjectName(u"Form6"_s);
    setWindowTitle(u"打印预览"_s);
    setBackColor(Qt::white);
    for (size_t i = 0; i < m_guides.size(); ++i) {
        auto *line = new QWidget(this);
        line->setObjectName(u"Label"_s + QString::number(i + 1));
        line->setAutoFillBackground(true);
        QPalette colours = line->palette();
        colours.setColor(QPalette::Window, Qt::black);
        line->setPalette(colours);
        line->hide();
        m_guides[i] = line;
    }
    connect(&m_page, &PaperPage::guidesChanged, this, &PageWindow::placeGuides);
    placeGuides();
}

void PageWindow::placeGuides()
{
    for (Guide guide : {Guide::Top, Guide::Left, Guide::Right, Guide::Bottom}) {
        const GuideLine &line = m_page.guide(guide);
        QWidget &label = guideLabel(guide);
        label.setGeometry(screenArea(*this, line.area));
        label.setVisible(line.shown);
    }
}

QSize PageWindow::sizeHint() const
{
    const TwipScale scale = TwipScale::of(*this);
    return QSize(scale.toPixels(FirstWidth), scale.toPixels(FirstHeight));
}
