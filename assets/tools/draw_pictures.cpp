// SPDX-License-Identifier: MIT
// Makes the pictures that are drawn rather than hand-placed, and the files derived from the
// hand-made pixel art in assets/pictures/*.xpm:
//
//   pictures/start.png    the Start button's picture: 90x120, 24-bit, antialiased
//   velkaro.ico           the Windows program icon: icon32.xpm and icon16.xpm, 16 colours + mask
//   linux/icons/16.png    desktop icons: icon16.xpm and icon32.xpm as PNG,
//   linux/icons/32.png      and a smooth 128x128 drawing of the same speech bubble
//   linux/icons/128.png
//
// Usage: velkaro-draw-pictures ASSETS_DIR           write the files into ASSETS_DIR
//        velkaro-draw-pictures --check ASSETS_DIR   fail if a file in ASSETS_DIR is out of date:
//            the pixel art and the .ico must be equal, the antialiased pictures close (rounding
//            in blending differs between CPUs; see picture_compare.h)
//
// Nothing here depends on installed fonts: every shape, the question marks included, is a path.

#include <QByteArray>
#include <QColor>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QList>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPointF>
#include <QPolygonF>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <QTextStream>

#include "picture_compare.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <optional>

namespace {

using velkaro::pictures::compare;
using velkaro::pictures::Match;

// The 16 colours of the VGA palette, in the order Windows uses for 4-bit bitmaps.
constexpr std::array<QRgb, 16> vgaPalette = {
    0xff000000, 0xff800000, 0xff008000, 0xff808000, 0xff000080, 0xff800080, 0xff008080, 0xffc0c0c0,
    0xff808080, 0xffff0000, 0xff00ff00, 0xffffff00, 0xff0000ff, 0xffff00ff, 0xff00ffff, 0xffffffff,
};

const QColor buttonFace(0xc0, 0xc0, 0xc0);

QTextStream& err() {
    static QTextStream stream(stderr);
    return stream;
}

// The hook and stem of a question mark `size` wide, its top-left corner at `origin`, for stroking
// with a pen about a quarter of `size` wide. questionDot() gives the centre of its dot.
QPainterPath questionHook(QPointF origin, double size) {
    const double r = size * 0.36;
    const QPointF centre = origin + QPointF(size * 0.5, r + size * 0.1);
    QPainterPath path;
    const QRectF arcBox(centre.x() - r, centre.y() - r, 2 * r, 2 * r);
    path.arcMoveTo(arcBox, 165);
    path.arcTo(arcBox, 165, -215); // over the top, round the right side and back in
    const QPointF stemTop = origin + QPointF(size * 0.5, size * 1.02);
    path.quadTo(QPointF(stemTop.x(), centre.y() + r * 1.05), stemTop);
    path.lineTo(stemTop + QPointF(0, size * 0.14));
    return path;
}

QPointF questionDot(QPointF origin, double size) {
    return origin + QPointF(size * 0.5, size * 1.5);
}

// The Start button's picture: a green stick figure scratching its head under a question mark.
QImage drawStart() {
    QImage image(90, 120, QImage::Format_RGB888);
    image.fill(buttonFace);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    const QColor green(0x00, 0x90, 0x00);
    QPen limb(green, 3.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(limb);
    p.setBrush(Qt::NoBrush);

    const QPointF head(43, 46);
    const double headRadius = 11;
    p.drawEllipse(head, headRadius, headRadius);

    const QPointF neck(43, 57.5), hip(43, 88), shoulder(43, 64);
    p.drawLine(neck, hip);
    p.drawLine(hip, QPointF(31, 115));
    p.drawLine(hip, QPointF(56, 115));
    // The arm that hangs down.
    p.drawLine(shoulder, QPointF(28, 84));
    // The arm that scratches: up to an elbow out at the side, the hand on top of the head.
    const QPointF elbow(67, 55), hand(53, 37);
    p.drawPolyline(QPolygonF{shoulder, elbow, hand});
    // Fingers at work.
    QPen finger(green, 2.2, Qt::SolidLine, Qt::RoundCap);
    p.setPen(finger);
    p.drawLine(hand, hand + QPointF(-4.5, -3.5));
    p.drawLine(hand, hand + QPointF(-1.0, -5.5));
    p.drawLine(hand, hand + QPointF(2.5, -5.0));

    // A puzzled face: two eyes and a crooked mouth.
    p.setPen(Qt::NoPen);
    p.setBrush(green);
    p.drawEllipse(QPointF(39, 44), 1.6, 1.8);
    p.drawEllipse(QPointF(47, 44), 1.6, 1.8);
    p.setPen(QPen(green, 1.8, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath mouth(QPointF(38.5, 51.5));
    mouth.cubicTo(QPointF(41, 49.5), QPointF(44, 53.5), QPointF(47.5, 50.5));
    p.drawPath(mouth);

    // The small question mark above the head.
    const QColor navy(0x00, 0x00, 0xa0);
    const QPointF origin(33, 5);
    const double size = 15;
    p.setPen(QPen(navy, size * 0.22, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    p.drawPath(questionHook(origin, size));
    p.setPen(Qt::NoPen);
    p.setBrush(navy);
    p.drawEllipse(questionDot(origin, size), size * 0.14, size * 0.14);
    return image;
}

// The outline of the program icon's speech bubble in a 32-unit square: a rounded body and a
// tail pointing to the lower left. Matches the shape of pictures/icon32.xpm.
QPainterPath bubbleOutline() {
    QPolygonF body;
    const QPointF centre(16, 12);
    const double rx = 15.0, ry = 10.8, exponent = 2.6;
    for (int i = 0; i < 360; ++i) {
        const double a = i * std::numbers::pi / 180;
        const double c = std::cos(a), s = std::sin(a);
        body << centre + QPointF(rx * std::copysign(std::pow(std::abs(c), 2 / exponent), c),
                                 ry * std::copysign(std::pow(std::abs(s), 2 / exponent), s));
    }
    QPainterPath bubble;
    bubble.addPolygon(body);
    bubble.closeSubpath();
    QPainterPath tail;
    tail.moveTo(5.5, 18);
    tail.lineTo(12.5, 20.5);
    tail.quadTo(7, 26, 2.5, 30.5);
    tail.quadTo(5.5, 25, 5.5, 18);
    tail.closeSubpath();
    return bubble.united(tail).simplified();
}

// The program icon drawn smooth at a large size, for the desktop.
QImage drawLargeIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 32.0, size / 32.0);

    p.setPen(QPen(QColor(0x80, 0x80, 0x80), 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::white);
    p.drawPath(bubbleOutline());

    const QColor blue(0x00, 0x00, 0xff);
    const QPointF origin(11.3, 4.4);
    const double markSize = 9.4;
    p.setPen(QPen(blue, markSize * 0.27, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(questionHook(origin, markSize));
    p.setPen(Qt::NoPen);
    p.setBrush(blue);
    p.drawEllipse(questionDot(origin, markSize), markSize * 0.16, markSize * 0.16);
    return image;
}

void putLe16(QByteArray& out, int value) {
    out.append(char(value & 0xff));
    out.append(char((value >> 8) & 0xff));
}

void putLe32(QByteArray& out, qint64 value) {
    for (int shift = 0; shift < 32; shift += 8)
        out.append(char((value >> shift) & 0xff));
}

// One icon image as Windows stores it: a 4-bit bitmap in the VGA palette, bottom-up, followed by
// the 1-bit AND mask (1 = transparent). Fails on a colour outside the palette or a
// half-transparent pixel.
std::optional<QByteArray> iconImage(const QImage& source) {
    const QImage image = source.convertToFormat(QImage::Format_ARGB32);
    const int w = image.width(), h = image.height();
    const int colourStride = ((w * 4 + 31) / 32) * 4;
    const int maskStride = ((w + 31) / 32) * 4;

    QByteArray colours(colourStride * h, '\0');
    QByteArray mask(maskStride * h, '\0');
    for (int y = 0; y < h; ++y) {
        const int row = h - 1 - y;
        for (int x = 0; x < w; ++x) {
            const QRgb pixel = image.pixel(x, y);
            int index = 0;
            if (qAlpha(pixel) == 0) {
                mask[row * maskStride + x / 8] =
                    char(mask[row * maskStride + x / 8] | (0x80 >> (x % 8)));
            } else if (qAlpha(pixel) == 255) {
                const auto* found = std::find(vgaPalette.begin(), vgaPalette.end(), pixel);
                if (found == vgaPalette.end()) {
                    err() << "colour " << QColor(pixel).name() << " at " << x << "," << y
                          << " is not in the VGA palette\n";
                    return std::nullopt;
                }
                index = int(found - vgaPalette.begin());
            } else {
                err() << "half-transparent pixel at " << x << "," << y << "\n";
                return std::nullopt;
            }
            char& byte = colours[row * colourStride + x / 2];
            byte = char(byte | (x % 2 == 0 ? index << 4 : index));
        }
    }

    QByteArray out;
    putLe32(out, 40); // BITMAPINFOHEADER
    putLe32(out, w);
    putLe32(out, 2 * h); // colour bitmap and mask together
    putLe16(out, 1);     // planes
    putLe16(out, 4);     // bits per pixel
    putLe32(out, 0);     // BI_RGB
    putLe32(out, colours.size() + mask.size());
    putLe32(out, 0);
    putLe32(out, 0);
    putLe32(out, 0);
    putLe32(out, 0);
    for (QRgb c : vgaPalette) {
        out.append(char(qBlue(c)));
        out.append(char(qGreen(c)));
        out.append(char(qRed(c)));
        out.append('\0');
    }
    out.append(colours);
    out.append(mask);
    return out;
}

std::optional<QByteArray> makeIco(const QList<QImage>& images) {
    QList<QByteArray> bodies;
    for (const QImage& image : images) {
        if (image.width() > 255 || image.height() > 255) {
            err() << "icon image too large\n";
            return std::nullopt;
        }
        auto body = iconImage(image);
        if (!body)
            return std::nullopt;
        bodies.append(*body);
    }
    QByteArray out;
    putLe16(out, 0);
    putLe16(out, 1); // an icon, not a cursor
    putLe16(out, int(images.size()));
    qint64 offset = 6 + 16 * images.size();
    for (int i = 0; i < images.size(); ++i) {
        out.append(char(images[i].width()));
        out.append(char(images[i].height()));
        out.append(char(16)); // colours
        out.append('\0');
        putLe16(out, 1); // planes
        putLe16(out, 4); // bits per pixel
        putLe32(out, bodies[i].size());
        putLe32(out, offset);
        offset += bodies[i].size();
    }
    for (const QByteArray& body : bodies)
        out.append(body);
    return out;
}

std::optional<QImage> loadPicture(const QString& path) {
    QImage image(path);
    if (image.isNull()) {
        err() << "cannot read " << path << "\n";
        return std::nullopt;
    }
    return image;
}

struct Run {
    QDir assets;
    bool check = false;
    bool ok = true;

    void picture(const QString& name, const QImage& image, Match match) {
        const QString path = assets.filePath(name);
        if (check) {
            const QImage current(path);
            const QString difference = current.isNull() ? QStringLiteral("cannot be read")
                                                        : compare(current, image, match);
            if (!difference.isEmpty()) {
                err() << path << " is out of date (" << difference
                      << "): run assets/tools/make-pictures.sh\n";
                ok = false;
            }
            return;
        }
        if (!image.save(path, "PNG")) {
            err() << "cannot write " << path << "\n";
            ok = false;
        }
    }

    void bytes(const QString& name, const QByteArray& data) {
        const QString path = assets.filePath(name);
        QFile file(path);
        if (check) {
            if (!file.open(QIODevice::ReadOnly) || file.readAll() != data) {
                err() << path << " is out of date: run assets/tools/make-pictures.sh\n";
                ok = false;
            }
            return;
        }
        if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size()) {
            err() << "cannot write " << path << "\n";
            ok = false;
        }
    }
};

} // namespace

int main(int argc, char** argv) {
    Run run;
    QStringList dirs;
    for (int i = 1; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        if (arg == QLatin1String("--check"))
            run.check = true;
        else
            dirs.append(arg);
    }
    if (dirs.size() != 1) {
        err() << "usage: velkaro-draw-pictures [--check] ASSETS_DIR\n";
        return 2;
    }
    run.assets = QDir(dirs.front());
    if (!run.check && !run.assets.mkpath(QStringLiteral("linux/icons"))) {
        err() << "cannot make " << run.assets.filePath(QStringLiteral("linux/icons")) << "\n";
        return 1;
    }

    const auto icon32 = loadPicture(run.assets.filePath(QStringLiteral("pictures/icon32.xpm")));
    const auto icon16 = loadPicture(run.assets.filePath(QStringLiteral("pictures/icon16.xpm")));
    if (!icon32 || !icon16)
        return 1;
    const auto ico = makeIco({*icon32, *icon16});
    if (!ico)
        return 1;

    run.picture(QStringLiteral("pictures/start.png"), drawStart(), Match::Smooth);
    run.bytes(QStringLiteral("velkaro.ico"), *ico);
    run.picture(QStringLiteral("linux/icons/16.png"),
                icon16->convertToFormat(QImage::Format_ARGB32), Match::Exact);
    run.picture(QStringLiteral("linux/icons/32.png"),
                icon32->convertToFormat(QImage::Format_ARGB32), Match::Exact);
    run.picture(QStringLiteral("linux/icons/128.png"), drawLargeIcon(128), Match::Smooth);
    return run.ok ? 0 : 1;
}
