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
    m_picture = Pictures::render(path, size());
    update();
}

bool Backdrop::showsPicture() const
{
    return !m_picturePath.isEmpty() && Pictures::exists(m_picturePath);
}

void Backdrop::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    paintBackdrop(painter, event->rect());
}

void Backdrop::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (!m_picturePath.isEmpty())
        m_picture = Pictures::render(m_picturePath, size());
}

void Backdrop::paintBackdrop(QPainter &painter, const QRect &area)
{
    painter.fillRect(area, m_color);
    if (!m_picture.isNull())
        painter.drawPixmap(area, m_picture, area);
}
