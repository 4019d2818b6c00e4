// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QObject>
#include <QPointF>
#include <QRectF>
#include <QString>

#include <vector>

class QPainter;

/// A surface on which text is printed at a current position, in twips: a window, a picture
/// box or a printed page. What was printed is kept, so the surface can be drawn again at any
/// time onto any device (a widget repainting, a printer page) at that device's resolution.
///
/// Widths and line heights are measured at one fixed resolution, so a layout comes out the
/// same on the screen and on paper.
class TextSurface : public QObject {
    Q_OBJECT
public:
    explicit TextSurface(QObject *parent = nullptr);

    /// Erases everything printed and puts the position at 0, 0.
    void clear();

    /// Sets the typeface for later text; the size stays.
    void setFontName(const QString &name);
    QString fontName() const { return m_fontName; }
    /// Sets the size in points for later text; fractional sizes are kept as given.
    void setFontSize(double points);
    double fontSize() const { return m_fontSize; }

    void setTextColor(const QColor &color) { m_color = color; }
    QColor textColor() const { return m_color; }

    double currentX() const { return m_x; }
    double currentY() const { return m_y; }
    void setCurrentX(double x) { m_x = x; }
    void setCurrentY(double y) { m_y = y; }

    /// Prints text with the top-left of its line box at the current position and advances x
    /// by its width; then, if asked, starts a new line. CR and LF print nothing.
    void print(const QString &text, bool newLine = false);
    /// Puts x at 0 and moves y down by the current font's line height.
    void newLine();

    /// Width of a text in the current font, in twips; 0 for an empty text and for CR or LF.
    double textWidth(const QString &text) const;
    /// Height of one line of the current font, in twips.
    double lineHeight() const;

    /// Draws everything printed so far onto the painter's device, at its resolution; the
    /// painter's own transformation applies on top.
    void render(QPainter &painter) const;

    /// One piece of printed text, as kept for drawing again.
    struct Run {
        QPointF at; ///< top-left of the line box, twips
        QString text;
        QString fontName;
        double fontSize = 0;
        QColor color;
        double width = 0; ///< twips
    };
    const std::vector<Run> &runs() const { return m_runs; }
    /// What has been printed so far, as a reader would take it in: the runs in the order
    /// printed, a line break wherever a run starts further down than the one before.
    QString writtenText() const;

Q_SIGNALS:
    /// Part of the surface (in twips) looks different now; an empty rectangle means all of it.
    void changed(const QRectF &area);

private:
    std::vector<Run> m_runs;
    QString m_fontName;
    double m_fontSize;
    QColor m_color = Qt::black;
    double m_x = 0;
    double m_y = 0;
};
