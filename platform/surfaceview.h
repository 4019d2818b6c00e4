// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "backdrop.h"

class TextSurface;

/// Shows a TextSurface on the screen: a window's drawing area or a picture box. Controls placed
/// in it stay on top of the text.
class SurfaceView : public Backdrop {
    Q_OBJECT
public:
    explicit SurfaceView(TextSurface &surface, QWidget *parent = nullptr);

    TextSurface &surface() { return m_surface; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void repaintArea(const QRectF &twips);
    void announceWrittenText();

    TextSurface &m_surface;
    QString m_announced; // the written text a screen reader was last told of
};
