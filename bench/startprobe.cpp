// SPDX-License-Identifier: GPL-3.0-or-later
// Linked into a program to time its start: at the first paint of its main window it prints
// the monotonic clock and its resident memory, then ends at once. The runner compares the
// clock with the moment it started the program.
#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QMainWindow>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace {

long ResidentKilobytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine()) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

/// Resident kilobytes of the memory the process allocated (anonymous: heap, stacks, images),
/// and of the font files it maps: the kernel maps a font's pages in runs around each glyph
/// read, and those pages are the page cache's, shared with every program showing the font.
struct MemoryParts {
    long anonymousKb = 0;
    long fontsKb = 0;
};

MemoryParts ReadMemoryParts()
{
    MemoryParts parts;
    QFile map(QStringLiteral("/proc/self/smaps"));
    if (!map.open(QIODevice::ReadOnly))
        return parts;
    bool inFont = false;
    for (QByteArray line = map.readLine(); !line.isEmpty(); line = map.readLine()) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (!fields.isEmpty() && !fields[0].endsWith(':')) {
            const QByteArray path = line.trimmed();
            inFont = path.endsWith(".ttf") || path.endsWith(".otf") || path.endsWith(".ttc");
            continue;
        }
        const long kb = fields.value(1).toLong();
        if (fields[0] == "Anonymous:")
            parts.anonymousKb += kb;
        else if (fields[0] == "Rss:" && inFont)
            parts.fontsKb += kb;
    }
    return parts;
}

/// With LUMARO_BENCH_SMAPS set, the memory map at the paint is copied there, to see what the
/// resident memory is made of.
void KeepMemoryMap()
{
    const QString target = qEnvironmentVariable("LUMARO_BENCH_SMAPS");
    if (target.isEmpty())
        return;
    QFile map(QStringLiteral("/proc/self/smaps"));
    QFile copy(target);
    if (map.open(QIODevice::ReadOnly) && copy.open(QIODevice::WriteOnly | QIODevice::Truncate))
        copy.write(map.readAll());
}

void ReportAndEnd()
{
    KeepMemoryMap();
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    const MemoryParts parts = ReadMemoryParts();
    std::printf("painted_ns=%lld rss_kb=%ld anonymous_kb=%ld fonts_kb=%ld\n",
                static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec,
                ResidentKilobytes(), parts.anonymousKb, parts.fontsKb);
    std::fflush(stdout);
    std::_Exit(0);
}

/// Waits for the first paint of a main window; the report follows once that paint is done.
class FirstPaintProbe final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (!m_seen && event->type() == QEvent::Paint && qobject_cast<QMainWindow *>(watched)) {
            m_seen = true;
            QTimer::singleShot(0, qApp, &ReportAndEnd);
        }
        return false;
    }

private:
    bool m_seen = false;
};

void InstallProbe()
{
    if (qobject_cast<QApplication *>(QCoreApplication::instance()))
        qApp->installEventFilter(new FirstPaintProbe(qApp));
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(InstallProbe)
