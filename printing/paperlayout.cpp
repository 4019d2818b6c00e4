// SPDX-License-Identifier: GPL-3.0-or-later
#include "paperlayout.h"

using namespace Qt::Literals::StringLiterals;

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

constexpr double AnswerLines = 4; // the line of the question and three empty ones

bool endsQuestion(QStringView character)
{
    return character == u"?" || character == u"？";
}

/// The character starting at index i; a surrogate pair is one character.
QStringView characterAt(const QString &text, qsizetype i)
{
    if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
        return QStringView(text).mid(i, 2);
    return QStringView(text).mid(i, 1);
}

void printTitle(TextSurface &surface, const PageLayout &layout, const PageSettings &settings)
{
    surface.setFontSize(layout.titleSize);
    surface.setFontName(settings.fontName);
    // The title is placed by its size alone: T × 100 twips is half the width of ten
    // full-width characters of T points.
    const double titleSize = surface.fontSize();
    surface.setCurrentX(layout.width / 2 - titleSize * 100);
    surface.setCurrentY(settings.top * TwipsPerMarginUnit + TitleTopAt * layout.height);
    surface.print(PaperTitle(), true);
    surface.newLine();
}

void placeGuides(PaperPage &page, bool shown)
{
    for (Guide guide : {Guide::Top, Guide::Left, Guide::Right, Guide::Bottom})
        page.placeGuide(guide, GuideArea(guide, page.size()), shown);
}

void flowText(TextSurface &surface, const QString &paperText, const PageLayout &layout)
{
    for (qsizetype i = 0; i < paperText.size();) {
        QStringView character = characterAt(paperText, i);
        i += character.size();
        if (layout.right <= surface.currentX())
            surface.newLine();
        if (layout.left >= surface.currentX())
            surface.setCurrentX(layout.left);
        if (layout.bottom <= surface.currentY())
            return; // one page only: nothing below the bottom limit is drawn
        const QString shown = character.toString();
        if (surface.textWidth(shown) == 0)
            continue; // line breaks draw nothing
        surface.print(shown);
        if (endsQuestion(character)) {
            for (int line = 0; line < AnswerLines; ++line)
                surface.newLine();
        }
    }
}

} // namespace

QString PaperTitle()
{
    return u"Orvik测试题"_s;
}

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

void DrawPaperPage(PaperPage &page, const QString &paperText, const PageSettings &settings,
                   int scale, bool showGuides)
{
    const PageLayout layout = LayoutOfPage(scale, settings);
    TextSurface &surface = page.text();
    page.setSize(QSizeF(layout.width, layout.height));
    printTitle(surface, layout, settings);
    placeGuides(page, showGuides);
    surface.setFontName(settings.fontName);
    surface.setFontSize(layout.bodySize);
    flowText(surface, paperText, layout);
}
