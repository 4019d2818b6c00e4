// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "backdrop.h"
#include "windowhost.h"

#include <QList>

/// How a stand-in learning window looks: its name and caption, and its buttons, each of
/// which hands over to another window.
struct PlaceholderDesign {
    struct Button {
        QString name;
        QString caption;
        WindowId target;
    };

    QString name;
    QString caption;
    QString heading;
    quint32 backColor; ///< 0x00BBGGRR
    QString picture;
    QList<Button> buttons; ///< the way back first
};

/// A learning window that shows its name and leads back to the main window and on to the
/// other learning windows, standing in until the real window is written.
class PlaceholderWindow final : public Backdrop, public HostedWindow {
    Q_OBJECT
public:
    PlaceholderWindow(WindowHost &host, const PlaceholderDesign &design);

    QWidget &widget() override { return *this; }
    /// Sizes the window to the screen and places the buttons in a row at the bottom right.
    void load() override;

private:
    WindowHost &m_host;
    PlaceholderDesign m_design;
    QList<QWidget *> m_buttons;
};

/// The designs of the three learning windows' stand-ins.
PlaceholderDesign ExamplesPlaceholder();
PlaceholderDesign PracticePlaceholder();
PlaceholderDesign TestPlaceholder();
