// SPDX-License-Identifier: GPL-3.0-or-later
#include "qttranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

using namespace Qt::Literals::StringLiterals;

bool InstallChineseQtTexts(QCoreApplication &app)
{
    // "qt_zh_CN" gathers the catalogues of all the Qt modules the program uses.
    auto *translator = new QTranslator(&app);
    if (!translator->load(u"qt_zh_CN"_s, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}
