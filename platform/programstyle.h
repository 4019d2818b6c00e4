// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProxyStyle>

/// The desktop's style, except for the arrow of a menu bar too narrow for its menus: the style
/// loads that arrow from a picture file, and finding a reader for it loads every picture
/// format Qt has, at the start of every run, for an arrow the main window never shows. This
/// style draws the arrow when it is shown.
class ProgramStyle final : public QProxyStyle {
    Q_OBJECT
public:
    using QProxyStyle::QProxyStyle;

    QIcon standardIcon(StandardPixmap standardIcon, const QStyleOption *option = nullptr,
                       const QWidget *widget = nullptr) const override;
};
