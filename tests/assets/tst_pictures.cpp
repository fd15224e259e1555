// SPDX-License-Identifier: MIT
// The pictures compiled into the program: each one loads from its resource path, has the size,
// colours and mask its button or window needs, and the Windows icon file holds the same pixels
// as the window icons.

#include <QColor>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QList>
#include <QObject>
#include <QPainter>
#include <QSet>
#include <QSize>
#include <QString>
#include <QTest>
#include <QXmlStreamReader>

#include "picture_compare.h"
#include "vga_palette.h"

#include <algorithm>
#include <array>

namespace {

using velkaro::pictures::vgaPalette;

constexpr QRgb green = 0xff008000, purple = 0xff800080, lightGrey = 0xffc0c0c0, grey = 0xff808080,
               red = 0xffff0000, lime = 0xff00ff00, blue = 0xff0000ff, cyan = 0xff00ffff,
               white = 0xffffffff;

enum class Mask { Transparent, Opaque };

struct Census {
    QSet<QRgb> opaqueColours;
    int transparent = 0;
    int partlyTransparent = 0;
};

Census census(const QImage& source) {
    const QImage image = source.convertToFormat(QImage::Format_ARGB32);
    Census c;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (qAlpha(pixel) == 255)
                c.opaqueColours.insert(pixel);
            else if (qAlpha(pixel) == 0)
                ++c.transparent;
            else
                ++c.partlyTransparent;
        }
    }
    return c;
}

// An antialiased drawing like the desktop icon's: a grey outline over a transparent background
// and a blue disc, the outline `shift` pixels to the right.
QImage smoothDrawing(double shift, QColor discColour) {
    QImage image(64, 64, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(grey), 2.5));
    p.setBrush(Qt::white);
    p.drawEllipse(QRectF(4.3 + shift, 6.7, 50.2, 40.9));
    p.setPen(Qt::NoPen);
    p.setBrush(discColour);
    p.drawEllipse(QPointF(30.4, 27.1), 9.3, 9.3);
    return image;
}

// What blending on another CPU may do to `image`: every pixel on an edge (one that differs from
// a neighbour) a level or two up or down in one channel.
QImage withRoundingNoise(const QImage& image) {
    QImage noisy = image;
    int n = 0;
    for (int y = 1; y < image.height() - 1; ++y) {
        for (int x = 1; x < image.width() - 1; ++x) {
            const QRgb p = image.pixel(x, y);
            if (p == image.pixel(x - 1, y) && p == image.pixel(x + 1, y) &&
                p == image.pixel(x, y - 1) && p == image.pixel(x, y + 1))
                continue;
            int c[4] = {qRed(p), qGreen(p), qBlue(p), qAlpha(p)};
            const int step = (n % 2 == 0 ? 1 : -1) * (n % 5 == 0 ? 2 : 1);
            int& channel = c[n % 4];
            channel += channel + step > 255 || channel + step < 0 ? -step : step;
            noisy.setPixel(x, y, qRgba(c[0], c[1], c[2], c[3]));
            ++n;
        }
    }
    return noisy;
}

QString colourList(const QSet<QRgb>& colours) {
    QStringList names;
    for (QRgb c : colours)
        names << QColor(c).name();
    names.sort();
    return names.join(QLatin1Char(' '));
}

} // namespace

class TestPictures : public QObject {
    Q_OBJECT

private slots:
    void sixteenColourPicture_data();
    void sixteenColourPicture();
    void startPicture();
    void programIconFile_data();
    void programIconFile();
    void desktopIcon_data();
    void desktopIcon();
    void scalableIcon();
    void freshnessComparison_data();
    void freshnessComparison();
};

void TestPictures::sixteenColourPicture_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<Mask>("mask");
    // Colours the picture cannot do without: they make it what it shows.
    QTest::addColumn<QList<QRgb>>("keyColours");

    QTest::newRow("icon32") << ":/pictures/icon32" << QSize(32, 32) << Mask::Transparent
                            << QList<QRgb>{white, grey, blue};
    QTest::newRow("icon16") << ":/pictures/icon16" << QSize(16, 16) << Mask::Transparent
                            << QList<QRgb>{white, grey, blue};
    QTest::newRow("yes") << ":/pictures/yes" << QSize(32, 32) << Mask::Transparent
                         << QList<QRgb>{green, lime};
    QTest::newRow("no") << ":/pictures/no" << QSize(24, 22) << Mask::Opaque
                        << QList<QRgb>{red, lightGrey};
    QTest::newRow("wrong32") << ":/pictures/wrong32" << QSize(32, 32) << Mask::Transparent
                             << QList<QRgb>{red, white};
    QTest::newRow("wrong16") << ":/pictures/wrong16" << QSize(16, 16) << Mask::Transparent
                             << QList<QRgb>{red, white};
    QTest::newRow("exit") << ":/pictures/exit" << QSize(32, 32) << Mask::Transparent
                          << QList<QRgb>{purple, cyan};
}

void TestPictures::sixteenColourPicture() {
    QFETCH(QString, path);
    QFETCH(QSize, size);
    QFETCH(Mask, mask);
    QFETCH(QList<QRgb>, keyColours);

    QImageReader reader(path);
    const QImage image = reader.read();
    QVERIFY2(!image.isNull(), qPrintable(path + QLatin1String(": ") + reader.errorString()));
    QCOMPARE(image.size(), size);

    const Census c = census(image);
    QVERIFY2(c.opaqueColours.size() <= 16, qPrintable(colourList(c.opaqueColours)));
    for (QRgb colour : c.opaqueColours) {
        QVERIFY2(std::find(vgaPalette.begin(), vgaPalette.end(), colour) != vgaPalette.end(),
                 qPrintable(QColor(colour).name() + QLatin1String(" is not a VGA colour")));
    }
    for (QRgb colour : keyColours)
        QVERIFY2(c.opaqueColours.contains(colour), qPrintable(QColor(colour).name()));

    // A mask is all or nothing per pixel.
    QCOMPARE(c.partlyTransparent, 0);
    if (mask == Mask::Transparent) {
        QVERIFY(c.transparent > 0);
        // Outside the drawing, in the corners, the background shows through.
        QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(image.pixel(size.width() - 1, 0)), 0);
        QCOMPARE(qAlpha(image.pixel(size.width() - 1, size.height() - 1)), 0);
    } else {
        QCOMPARE(c.transparent, 0);
        QVERIFY(!image.hasAlphaChannel());
        QCOMPARE(image.pixel(0, 0), lightGrey);
    }
}

void TestPictures::startPicture() {
    QImageReader reader(QStringLiteral(":/pictures/start"));
    const QImage image = reader.read();
    QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
    // 1350 x 1800 twips at 96 dots per inch.
    QCOMPARE(image.size(), QSize(90, 120));
    QVERIFY(!image.hasAlphaChannel());
    QVERIFY(image.depth() >= 24);

    const Census c = census(image);
    QCOMPARE(c.transparent + c.partlyTransparent, 0);
    // Antialiased edges blend the figure into the background: far more than 16 colours.
    QVERIFY2(c.opaqueColours.size() > 16, qPrintable(QString::number(c.opaqueColours.size())));
    QCOMPARE(image.pixel(0, 0), lightGrey);
    QCOMPARE(image.pixel(89, 119), lightGrey);

    // The figure is green: count the clearly green pixels.
    int greenPixels = 0;
    for (QRgb colour : c.opaqueColours) {
        if (qGreen(colour) > 100 && qRed(colour) < 60 && qBlue(colour) < 60)
            ++greenPixels;
    }
    QVERIFY(greenPixels > 0);
}

void TestPictures::programIconFile_data() {
    QTest::addColumn<int>("imageIndex");
    QTest::addColumn<QString>("windowIcon");

    QTest::newRow("32x32") << 0 << ":/pictures/icon32";
    QTest::newRow("16x16") << 1 << ":/pictures/icon16";
}

// velkaro.ico is written byte by byte by our own tool; Qt's independent reader must see in it the
// same pixels and mask as the window icon.
void TestPictures::programIconFile() {
    QFETCH(int, imageIndex);
    QFETCH(QString, windowIcon);

    if (!QImageReader::supportedImageFormats().contains("ico"))
        QSKIP("Qt's ICO reader is not installed");

    QImageReader reader(QStringLiteral(VELKARO_ICO_FILE), "ico");
    QCOMPARE(reader.imageCount(), 2);
    QVERIFY(reader.jumpToImage(imageIndex));
    const QImage fromIco = reader.read();
    QVERIFY2(!fromIco.isNull(), qPrintable(reader.errorString()));

    const QImage expected(windowIcon);
    QVERIFY(!expected.isNull());
    QCOMPARE(fromIco.size(), expected.size());
    const QImage a = fromIco.convertToFormat(QImage::Format_ARGB32);
    const QImage b = expected.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            // Where the mask hides a pixel, its colour does not matter.
            if (qAlpha(p) == 0 && qAlpha(q) == 0)
                continue;
            if (p != q) {
                QFAIL(qPrintable(QStringLiteral("pixel %1,%2: %3 in the .ico, %4 in %5")
                                     .arg(x)
                                     .arg(y)
                                     .arg(QColor::fromRgba(p).name(QColor::HexArgb),
                                          QColor::fromRgba(q).name(QColor::HexArgb), windowIcon)));
            }
        }
    }
}

void TestPictures::desktopIcon_data() {
    QTest::addColumn<int>("size");
    const QStringList sizes =
        QStringLiteral(VELKARO_ICON_SIZES).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (sizes.isEmpty())
        QSKIP("no desktop icons on this system");
    for (const QString& size : sizes)
        QTest::newRow(qPrintable(size + QLatin1String(" pixels"))) << size.toInt();
}

// Each installed desktop icon has its size, and a bubble on a transparent background.
void TestPictures::desktopIcon() {
    QFETCH(int, size);
    const QString path = QStringLiteral(VELKARO_DESKTOP_ICONS "/%1.png").arg(size);
    QImageReader reader(path);
    const QImage image = reader.read();
    QVERIFY2(!image.isNull(), qPrintable(path + QLatin1String(": ") + reader.errorString()));
    QCOMPARE(image.size(), QSize(size, size));
    QVERIFY(image.hasAlphaChannel());
    QCOMPARE(qAlpha(image.pixel(size - 1, 0)), 0);
    QCOMPARE(image.pixel(size / 2, size / 2 - size / 4), white);
}

void TestPictures::scalableIcon() {
    QFile file(QStringLiteral(VELKARO_DESKTOP_ICONS "/scalable.svg"));
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.errorString()));
    QXmlStreamReader xml(&file);
    QVERIFY(xml.readNextStartElement());
    QCOMPARE(xml.name(), QLatin1String("svg"));
    QCOMPARE(xml.attributes().value(QLatin1String("viewBox")), QLatin1String("0 0 32 32"));
    while (!xml.atEnd())
        xml.readNext();
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
}

enum class Change { None, RoundingNoise, FewStrayPixels, StrokeMoved, ColourChanged, OneLevel };

void TestPictures::freshnessComparison_data() {
    using velkaro::pictures::Match;
    QTest::addColumn<Match>("match");
    QTest::addColumn<Change>("change");
    QTest::addColumn<bool>("passes");

    QTest::newRow("smooth, the same") << Match::Smooth << Change::None << true;
    QTest::newRow("smooth, rounding noise") << Match::Smooth << Change::RoundingNoise << true;
    QTest::newRow("smooth, four stray pixels") << Match::Smooth << Change::FewStrayPixels << true;
    QTest::newRow("smooth, a stroke moved by a pixel")
        << Match::Smooth << Change::StrokeMoved << false;
    QTest::newRow("smooth, a colour changed") << Match::Smooth << Change::ColourChanged << false;
    QTest::newRow("pixel art, the same") << Match::Exact << Change::None << true;
    QTest::newRow("pixel art, one level off") << Match::Exact << Change::OneLevel << false;
}

// The freshness check passes what another machine's rounding makes and fails a real change.
void TestPictures::freshnessComparison() {
    using velkaro::pictures::Match;
    QFETCH(Match, match);
    QFETCH(Change, change);
    QFETCH(bool, passes);

    const QColor blue(0x00, 0x00, 0xff);
    const QImage committed =
        match == Match::Smooth
            ? smoothDrawing(0, blue)
            : QImage(QStringLiteral(":/pictures/icon32")).convertToFormat(QImage::Format_ARGB32);
    QImage drawn = committed;
    switch (change) {
    case Change::None:
        break;
    case Change::RoundingNoise:
        drawn = withRoundingNoise(committed);
        break;
    case Change::FewStrayPixels:
        // 4 of 4096 pixels in the disc, as a coordinate rounded the other way might move them.
        for (int i = 0; i < 4; ++i)
            drawn.setPixel(27 + i, 27, qRgb(0, 0, 0xff - 12));
        break;
    case Change::StrokeMoved:
        drawn = smoothDrawing(1, blue);
        break;
    case Change::ColourChanged:
        drawn = smoothDrawing(0, QColor(0x00, 0x00, 0xf8));
        break;
    case Change::OneLevel:
        drawn.setPixel(15, 10, qRgb(0, 0, 0xfe));
        break;
    }
    const QString difference = velkaro::pictures::compare(drawn, committed, match);
    QVERIFY2(difference.isEmpty() == passes,
             qPrintable(difference.isEmpty() ? QStringLiteral("passes") : difference));
}

QTEST_GUILESS_MAIN(TestPictures)
#include "tst_pictures.moc"
