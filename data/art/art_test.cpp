// SPDX-License-Identifier: GPL-3.0-or-later
// Every picture the windows load from ":/art/" must be a well-formed SVG that QtSvg draws
// without complaint, at the size the windows lay it out for.

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QSet>
#include <QSvgRenderer>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

// QtSvg reports unsupported elements and broken references only as warnings; collecting
// them lets a test fail on a picture that would silently lose some of its parts.
QStringList g_svgWarnings;
QtMessageHandler g_previousHandler = nullptr;

void collectSvgWarnings(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (type == QtWarningMsg && QByteArrayView(context.category).startsWith("qt.svg")) {
        g_svgWarnings.append(text);
    }
    g_previousHandler(type, context, text);
}

enum class Ground { Covered, Transparent };

struct ExpectedPicture {
    QString name;
    QSize size;
    Ground ground;
};

const QList<ExpectedPicture> &expectedPictures()
{
    static const QList<ExpectedPicture> pictures{
        {u"app-icon.svg"_s, {256, 256}, Ground::Transparent},
        {u"face-frown.svg"_s, {32, 32}, Ground::Transparent},
        {u"face-smile.svg"_s, {32, 32}, Ground::Transparent},
        {u"hand-cursor.svg"_s, {32, 32}, Ground::Transparent},
        {u"knowledge-background.svg"_s, {780, 585}, Ground::Covered},
        {u"main-background.svg"_s, {1260, 945}, Ground::Covered},
        {u"pointing-hand.svg"_s, {32, 32}, Ground::Transparent},
        {u"practice-background.svg"_s, {1260, 945}, Ground::Covered},
        {u"test-background.svg"_s, {1260, 945}, Ground::Covered},
        {u"title-picture-1.svg"_s, {80, 80}, Ground::Transparent},
        {u"title-picture-2.svg"_s, {80, 80}, Ground::Transparent},
        {u"writing-marker.svg"_s, {32, 32}, Ground::Transparent},
    };
    return pictures;
}

QImage renderToImage(QSvgRenderer &renderer)
{
    QImage image(renderer.defaultSize(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter);
    painter.end();
    return image;
}

double paintedFraction(const QImage &image)
{
    qsizetype painted = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            painted += qAlpha(image.pixel(x, y)) > 0 ? 1 : 0;
        }
    }
    return double(painted) / double(image.width() * image.height());
}

} // namespace

Q_DECLARE_METATYPE(Ground)

class ArtTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void loadsAtItsLayoutSize_data();
    void loadsAtItsLayoutSize();
    void resourceHoldsExactlyTheExpectedPictures();
};

void ArtTest::initTestCase()
{
    g_previousHandler = qInstallMessageHandler(collectSvgWarnings);
}

void ArtTest::cleanupTestCase()
{
    qInstallMessageHandler(g_previousHandler);
}

void ArtTest::loadsAtItsLayoutSize_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<Ground>("ground");
    for (const ExpectedPicture &picture : expectedPictures()) {
        QTest::newRow(qPrintable(picture.name))
            << u":/art/"_s + picture.name << picture.size << picture.ground;
    }
}

void ArtTest::loadsAtItsLayoutSize()
{
    QFETCH(QString, path);
    QFETCH(QSize, size);
    QFETCH(Ground, ground);
    g_svgWarnings.clear();

    QSvgRenderer renderer(path);
    QVERIFY2(renderer.isValid(), qPrintable(path));
    QCOMPARE(renderer.defaultSize(), size);
    QCOMPARE(renderer.viewBoxF(), QRectF(QPointF(0, 0), QSizeF(size)));

    const QImage image = renderToImage(renderer);
    // A background must cover its whole window; a figure must at least be clearly there.
    const double minimumPainted = ground == Ground::Covered ? 1.0 : 0.25;
    QVERIFY2(paintedFraction(image) >= minimumPainted, qPrintable(path));
    QVERIFY2(g_svgWarnings.isEmpty(), qPrintable(g_svgWarnings.join(u'\n')));
}

void ArtTest::resourceHoldsExactlyTheExpectedPictures()
{
    QSet<QString> expected;
    for (const ExpectedPicture &picture : expectedPictures()) {
        expected.insert(picture.name);
    }
    const QStringList present = QDir(u":/art"_s).entryList(QDir::Files);
    QCOMPARE(QSet<QString>(present.cbegin(), present.cend()), expected);
}

QTEST_MAIN(ArtTest)
#include "art_test.moc"
