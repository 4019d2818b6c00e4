// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktopidentity.h"

#include <QGuiApplication>
#include <QIcon>

using namespace Qt::Literals::StringLiterals;

void SetDesktopIdentity()
{
    QGuiApplication::setApplicationName(u"Lumaro"_s);
    QGuiApplication::setDesktopFileName(DesktopEntryName);
}

void SetProgramIcon()
{
    QGuiApplication::setWindowIcon(QIcon(u":/art/app-icon.svg"_s));
}
