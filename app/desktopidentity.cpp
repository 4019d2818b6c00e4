// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktopidentity.h"

#include <QGuiApplication>

using namespace Qt::Literals::StringLiterals;

void SetDesktopIdentity()
{
    QGuiApplication::setApplicationName(u"Lumaro"_s);
    QGuiApplication::setDesktopFileName(DesktopEntryName);
}
