// SPDX-License-Identifier: GPL-3.0-or-later
// lumaro-iconpng: draws an SVG icon into square PNG files at build time, so the menu shows
// the same picture as the window at every size the desktop asks for.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTextStream>

using namespace Qt::Literals::StringLiterals;

namespace {

QImage Render(QSvgRenderer &svg, int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    svg.render(&painter, QRectF(0, 0, size, size));
    return image;
}

} // namespace

int main(int argc, char *argv[])
{
    // Drawing needs no screen: the build may run where there is none.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = QGuiApplication::arguments().mid(1);
    if (args.size() < 3 || args.size() % 2 == 0) {
        err << u"usage: lumaro-iconpng icon.svg SIZE out.png [SIZE out.png …]"_s << Qt::endl;
        return 2;
    }
    QSvgRenderer svg(args[0]);
    if (!svg.isValid()) {
        err << args[0] << u": not a readable SVG file"_s << Qt::endl;
        return 1;
    }
    for (qsizetype i = 1; i < args.size(); i += 2) {
        bool ok = false;
        const int size = args[i].toInt(&ok);
        if (!ok || size < 1 || size > 4096) {
            err << args[i] << u": not a size in pixels"_s << Qt::endl;
            return 2;
        }
        if (!Render(svg, size).save(args[i + 1], "PNG")) {
            err << args[i + 1] << u": cannot write"_s << Qt::endl;
            return 1;
        }
    }
    return 0;
}
