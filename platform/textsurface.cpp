// SPDX-License-Identifier: GPL-3.0-or-later
#include "textsurface.h"

#include "fonts.h"
#include "units.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>

using namespace Qt::Literals::StringLiterals;

namespace {

// Measuring at 1440 dpi makes one pixel one twip.
const QPaintDevice &measuringDevice()
{
    static const QImage device = [] {
        QImage image(1, 1, QImage::Format_ARGB32);
        const int dotsPerMeter = qRound(TwipsPerInch / 0.0254);
        image.setDotsPerMeterX(dotsPerMeter);
        image.setDotsPerMeterY(dotsPerMeter);
        return image;
    }();
    return device;
}

QFont surfaceFont(const QString &name, double points)
{
    QFont font = Fonts::designFont(name, points);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

QFontMetricsF measuringMetrics(const QString &name, double points)
{
    return QFontMetricsF(surfaceFont(name, points), &measuringDevice());
}

QString withoutLineBreaks(QString text)
{
    text.remove(u'\r');
    text.remove(u'\n');
    return text;
}

} // namespace

TextSurface::TextSurface(QObject *parent) : QObject(parent), m_fontName(u"宋体"_s), m_fontSize(9) {}

void TextSurface::clear()
{
    m_runs.clear();
    m_x = 0;
    m_y = 0;
    Q_EMIT changed(QRectF());
}

void TextSurface::setFontName(const QString &name)
{
    m_fontName = name;
}

void TextSurface::setFontSize(double points)
{
    if (points > 0)
        m_fontSize = points;
}

void TextSurface::print(const QString &text, bool startNewLine)
{
    const QString shown = withoutLineBreaks(text);
    if (!shown.isEmpty()) {
        const double width = textWidth(shown);
        m_runs.push_back(Run{QPointF(m_x, m_y), shown, m_fontName, m_fontSize, m_color, width});
        Q_EMIT changed(QRectF(m_x, m_y, width, lineHeight()));
        m_x += width;
    }
    if (startNewLine)
        newLine();
}

void TextSurface::newLine()
{
    m_x = 0;
    m_y += lineHeight();
}

double TextSurface::textWidth(const QString &text) const
{
    const QString measured = withoutLineBreaks(text);
    if (measured.isEmpty())
        return 0;
    return measuringMetrics(m_fontName, m_fontSize).horizontalAdvance(measured);
}

double TextSurface::lineHeight() const
{
    return measuringMetrics(m_fontName, m_fontSize).lineSpacing();
}

void TextSurface::render(QPainter &painter) const
{
    const TwipScale scale = TwipScale::of(*painter.device());
    // Points are drawn at the device's own dpi; a window scaled from its design draws them
    // at the design's scale as well.
    const double pointScale = scale.dpi() / painter.device()->logicalDpiY();
    painter.save();
    for (const Run &run : m_runs) {
        const QFont font = surfaceFont(run.fontName, run.fontSize * pointScale);
        painter.setFont(font);
        painter.setPen(run.color);
        const QFontMetricsF metrics(font, painter.device());
        const QPointF baseline(scale.toPixelsF(run.at.x()),
                               scale.toPixelsF(run.at.y()) + metrics.ascent());
        painter.drawText(baseline, run.text);
    }
    painter.restore();
}

QString TextSurface::writtenText() const
{
    QString text;
    const Run *previous = nullptr;
    for (const Run &run : m_runs) {
        if (previous && run.at.y() > previous->at.y())
            text += u'\n';
        text += run.text;
        previous = &run;
    }
    return text;
}
