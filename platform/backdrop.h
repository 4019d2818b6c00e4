// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QImage>
#include <QPixmap>
#include <QRect>
#include <QString>
#include <QWidget>

#include <future>

/// The background of a window or a box: a back colour, and optionally a picture. The picture
/// covers the whole area, or, for a window whose design is scaled whole, the design's area; a
/// drawing's scene carries on around that area to the window's edges, so no bare band shows.
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
    /// Draws the picture over area only (and its edges around it); an empty area means the
    /// whole backdrop.
    void setPictureArea(const QRect &area);
    /// Starts drawing the picture on another thread, for the backdrop's size as it stands,
    /// while the window is still being built; the first paint takes it when the size still
    /// holds. Only before the backdrop is first shown: after that, a paint follows at once.
    void renderAhead();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    /// Paints the colour and picture; subclasses draw their own content over it.
    void paintBackdrop(QPainter &painter, const QRect &area);

private:
    /// What the picture is drawn for.
    struct Sizing {
        QString path;
        QSize size;
        QRect area;
        double devicePixelRatio = 1.0;
        bool operator==(const Sizing &) const = default;
    };

    Sizing sizing() const;
    QPixmap composedPicture(const Sizing &sizing);
    QPixmap pictureDrawnAhead(const Sizing &sizing);

    QColor m_color = Qt::white;
    QString m_picturePath;
    QRect m_pictureArea;
    QPixmap m_picture; // the whole backdrop's picture, made once per size, at the device's
                       // pixels; null until needed
    Sizing m_pictureSizing;
    std::future<QImage> m_ahead;
    Sizing m_aheadSizing;
    QColor m_aheadColor;
};
