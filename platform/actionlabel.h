// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls.h"

/// A label that acts as a button: a click, Space or Enter presses it. It is reached with Tab,
/// shows its focus in the design's hover yellow within a ring, and a screen reader announces
/// it as a button whose press action does what a click does.
class ActionLabel : public CaptionLabel {
    Q_OBJECT
public:
    explicit ActionLabel(const QString &name, QWidget *parent = nullptr);

    /// What a click does: clicked(), while the label is enabled.
    void press();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    /// Draws the caption; where its colour would not stand out from what it is drawn on (the
    /// hover yellow on a pale label, or on the focus yellow), a dark backing goes under it.
    void paintEvent(QPaintEvent *event) override;

private:
    /// The colour the caption is drawn on.
    QColor fillUnderText() const;

    // Space presses on its release, as a push button does, so that a key held down or
    // released in the next window presses nothing there.
    bool m_spaceDown = false;
};
