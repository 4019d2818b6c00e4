// SPDX-License-Identifier: GPL-3.0-or-later
#include "pagelayout.h"

namespace {

constexpr double PageWidthAt100 = 8600;
constexpr double PageHeightAt100 = 11700;
constexpr double TwipsPerMarginUnit = 100;

// The guides, as fractions of the page, and their thickness in twips.
constexpr double TopGuideAt = 0.043;
constexpr double LeftGuideAt = 0.08;
constexpr double RightGuideAt = 0.92;
constexpr double BottomGuideAt = 0.92;
constexpr double RightLimitAt = 0.9;
constexpr double TitleTopAt = 0.06;

} // namespace

PageLayout LayoutOfPage(int scale, const PageSettings &settings)
{
    PageLayout layout;
    layout.width = scale * PageWidthAt100 / 100;
    layout.height = scale * PageHeightAt100 / 100;
    layout.titleSize = (settings.fontSize + 2) * scale / 100;
    layout.bodySize = settings.fontSize * scale / 100;
    layout.right = RightLimitAt * layout.width - settings.right * TwipsPerMarginUnit;
    layout.left = LeftGuideAt * layout.width + settings.left * TwipsPerMarginUnit;
    layout.bottom = BottomGuideAt * layout.height - settings.bottom * TwipsPerMarginUnit;
    layout.top = settings.top * TwipsPerMarginUnit + TitleTopAt * layout.height;
    return layout;
}

QRectF GuideArea(Guide guide, const QSizeF &page)
{
    const double w = page.width();
    const double h = page.height();
    switch (guide) {
    case Guide::Top:
        return QRectF(0, TopGuideAt * h, w, 10);
    case Guide::Left:
        return QRectF(LeftGuideAt * w, 0, 15, h);
    case Guide::Right:
        return QRectF(RightGuideAt * w, 0, 15, h);
    case Guide::Bottom:
        return QRectF(0, BottomGuideAt * h, w, 15);
    }
    return QRectF();
}

void StartPage(PaperPage &page, const PageLayout &layout, bool showGuides)
{
    page.setSize(QSizeF(layout.width, layout.height));
    for (Guide guide : {Guide::Top, Guide::Left, Guide::Right, Guide::Bottom})
        page.placeGuide(guide, GuideArea(guide, page.size()), showGuides);
}
