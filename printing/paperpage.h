// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "textsurface.h"

#include <QObject>
#include <QRectF>
#include <QSizeF>

#include <array>

class QPainter;

/// The four thin lines that mark a page's margins, in the order of their labels (Label1 to
/// Label4).
enum class Guide { Top, Left, Right, Bottom };

/// Where a guide lies on the page, in twips, and whether it is shown.
struct GuideLine {
    QRectF area;
    bool shown = false;
    bool operator==(const GuideLine &) const = default;
};

/// A test paper's page: the text printed on it, its size in twips, and its guide lines.
/// The preview shows it, and the printer and the PDF export draw it again on paper.
class PaperPage : public QObject {
    Q_OBJECT
public:
    explicit PaperPage(QObject *parent = nullptr);

    TextSurface &text() { return m_text; }
    const TextSurface &text() const { return m_text; }

    /// Erases the text and puts the position at 0, 0; the size and the guides stay.
    void clear() { m_text.clear(); }

    void setSize(const QSizeF &twips);
    QSizeF size() const { return m_size; }

    void placeGuide(Guide guide, const QRectF &twips, bool shown);
    const GuideLine &guide(Guide guide) const;

Q_SIGNALS:
    void sizeChanged(const QSizeF &twips);
    void guidesChanged();

private:
    TextSurface m_text;
    QSizeF m_size;
    std::array<GuideLine, 4> m_guides{};
};

/// Draws the page onto a painter's device at its physical size (1440 twips to the inch): the
/// text, then the guides that are shown over it, with the page's top-left at the painter's origin.
void RenderPaperPage(QPainter &painter, const PaperPage &page);
