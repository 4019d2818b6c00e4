// SPDX-License-Identifier: GPL-3.0-or-later
#include "windowplacement.h"

#include <QScreen>
#include <QWidget>

void CentreOverOwner(QWidget &window)
{
    QRect area;
    const QWidget *owner = window.parentWidget();
    if (owner && owner->isVisible())
        area = owner->window()->frameGeometry();
    else if (const QScreen *screen = window.screen())
        area = screen->availableGeometry();
    if (area.isEmpty())
        return;
    QRect frame = window.frameGeometry();
    frame.moveCenter(area.center());
    frame.moveTop(std::max(frame.top(), area.top()));
    frame.moveLeft(std::max(frame.left(), area.left()));
    window.move(frame.topLeft());
}
