// SPDX-License-Identifier: GPL-3.0-or-later
// A task bar groups the program's windows with its launcher only when the names Qt gives the
// windows are the ones the desktop entry and the AppStream data carry.
#include "desktopidentity.h"

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QRegularExpression>
#include <QTest>
#include <QWindow>

using namespace Qt::Literals::StringLiterals;

namespace {

QString Packaging(const QString &name)
{
    return QStringLiteral(LUMARO_SOURCE_DIR) + u"/packaging/"_s + name;
}

QString ReadText(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

/// The value of a key of the desktop entry, as "Key=value" on a line of its own.
QString EntryValue(const QString &entry, const QString &key)
{
    const QRegularExpression line(u"^"_s + key + u"=(.*)$"_s, QRegularExpression::MultilineOption);
    return line.match(entry).captured(1);
}

} // namespace

class DesktopIdentityTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { SetDesktopIdentity(); }
    void theDesktopFileIsTheOneTheWindowsName();
    void theX11ClassIsTheEntrysStartupClass();
    void theAppStreamDataLaunchesTheSameEntry();
    void everyWindowHasTheProgramsIcon();
};

void DesktopIdentityTest::theDesktopFileIsTheOneTheWindowsName()
{
    const QString entry = Packaging(DesktopEntryName + u".desktop"_s);
    QVERIFY2(QFileInfo::exists(entry), qPrintable(entry));
    QCOMPARE(QGuiApplication::desktopFileName(), u"org.lumaro.Lumaro"_s);
}

// On X11 Qt names every window's class after the application.
void DesktopIdentityTest::theX11ClassIsTheEntrysStartupClass()
{
    const QString entry = ReadText(Packaging(DesktopEntryName + u".desktop"_s));
    QCOMPARE(EntryValue(entry, u"StartupWMClass"_s), QGuiApplication::applicationName());
    QCOMPARE(EntryValue(entry, u"Icon"_s), DesktopEntryName);
}

void DesktopIdentityTest::theAppStreamDataLaunchesTheSameEntry()
{
    const QString metainfo = ReadText(Packaging(DesktopEntryName + u".metainfo.xml.in"_s));
    QVERIFY(metainfo.contains(u"<id>"_s + DesktopEntryName + u"</id>"_s));
    QVERIFY(metainfo.contains(u"<launchable type=\"desktop-id\">"_s + DesktopEntryName +
                              u".desktop</launchable>"_s));
}

void DesktopIdentityTest::everyWindowHasTheProgramsIcon()
{
    QWindow before;
    SetProgramIcon();
    QWindow after;
    for (const QWindow *window : {&before, &after}) {
        const QImage icon = window->icon().pixmap(QSize(32, 32)).toImage();
        QCOMPARE(icon.size(), QSize(32, 32));
        // Drawn, not an empty square.
        QVERIFY(icon.pixelColor(16, 16).alpha() > 0);
    }
}

QTEST_MAIN(DesktopIdentityTest)
#include "desktopidentity_test.moc"
