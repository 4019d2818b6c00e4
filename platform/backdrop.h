// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QPixmap>
#include <QString>
#include <QWidget>

/// The background of a window or a box: a back colour, and optionally a picture stretched
/// over the whole area. Without the picture the plain colour shows.
class Backdrop : public QWidget {
    Q_OBJECT
public:
    explicit Backdrop(QWidget *parent = nullptr);

    void setBackColor(const QColor &color);
    QColor backColor() const { return m_color; }
    /// Shows a picture over the back colour; an empty path removes it.
    void setPicture(const QString &path);
    QString picture() const { return m_picturePath; }
    /// True when a picture is set and could be drawn.
    bool showsPicture() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    /// Paints the colour and picture; subclasses draw their own content over it.
    void paintBackdrop(QPainter &painter, const QRect &area);

private:
    QColor m_color = Qt::white;
    QString m_picturePath;
    QPixmap m_picture; // rendered at the current size, drawn again on every repaint
};
