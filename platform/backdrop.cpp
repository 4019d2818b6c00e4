// SPDX-License-Identifier: GPL-3.0-or-later
#include "backdrop.h"

#include "pictures.h"

#include <QPaintEvent>
#include <QPainter>

Backdrop::Backdrop(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void Backdrop::setBackColor(const QColor &color)
{
    m_color = color;
    update();
}

void Backdrop::setPicture(const QString &path)
{
    m_picturePath = path;
    m_picture = QPixmap();
    update();
}

bool Backdrop::showsPicture() const
{
    return !m_picturePath.isEmpty() && Pictures::exists(m_picturePath);
}

void Backdrop::setPictureArea(const QRect &area)
{
    if (area == m_pictureArea)
        return;
    m_pictureArea = area;
    m_picture = QPixmap();
    update();
}

QRect Backdrop::pictureArea() const
{
    return m_pictureArea.isEmpty() ? rect() : m_pictureArea;
}

void Backdrop::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    paintBackdrop(painter, event->rect());
}

void Backdrop::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    m_picture = QPixmap();
}

void Backdrop::paintBackdrop(QPainter &painter, const QRect &area)
{
    painter.fillRect(area, m_color);
    if (m_picturePath.isEmpty())
        return;
    const QRect inner = pictureArea();
    if (m_picture.isNull())
        m_picture = Pictures::render(m_picturePath, inner.size(), devicePixelRatioF());
    if (m_picture.isNull())
        return;
    painter.save();
    painter.setClipRect(area);
    painter.drawPixmap(inner, m_picture);
    paintSurround(painter, inner);
    painter.restore();
}

/// Carries the picture's outermost rows and columns on to the backdrop's edges.
void Backdrop::paintSurround(QPainter &painter, const QRect &inner)
{
    const QRect whole = rect();
    if (inner.contains(whole))
        return;
    const int w = m_picture.width();
    const int h = m_picture.height();
    const int leftWidth = inner.left() - whole.left();
    const int rightWidth = whole.right() - inner.right();
    const int topHeight = inner.top() - whole.top();
    const int bottomHeight = whole.bottom() - inner.bottom();
    const int lefts[] = {whole.left(), inner.left(), inner.right() + 1};
    const int widths[] = {leftWidth, inner.width(), rightWidth};
    const QRect sourceColumns[] = {QRect(0, 0, 1, h), QRect(0, 0, w, h), QRect(w - 1, 0, 1, h)};
    const int tops[] = {whole.top(), inner.top(), inner.bottom() + 1};
    const int heights[] = {topHeight, inner.height(), bottomHeight};
    for (int column = 0; column < 3; ++column) {
        for (int row = 0; row < 3; ++row) {
            if ((column == 1 && row == 1) || widths[column] <= 0 || heights[row] <= 0)
                continue;
            QRect source = sourceColumns[column];
            if (row == 0)
                source.setHeight(1);
            else if (row == 2)
                source = QRect(source.left(), h - 1, source.width(), 1);
            painter.drawPixmap(QRect(lefts[column], tops[row], widths[column], heights[row]),
                               m_picture, source);
        }
    }
}
