// SPDX-License-Identifier: MIT
// Makes the pictures that are drawn rather than hand-placed, and the files derived from the
// hand-made pixel art in assets/pictures/*.xpm:
//
//   pictures/start.png    the Start button's picture: 90x120, 24-bit, antialiased
//   velkaro.ico           the Windows program icon: icon32.xpm and icon16.xpm, 16 colours + mask
//   linux/icons/16.png    desktop icons: icon16.xpm and icon32.xpm as PNG,
//   linux/icons/32.png
//   linux/icons/<n>.png   the same speech bubble drawn smooth at 22, 24, 48, 64, 128 and 256
//   linux/icons/scalable.svg  ... and as SVG, from the same shapes
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
#include "vga_palette.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <optional>

namespace {

using velkaro::pictures::compare;
using velkaro::pictures::Match;
using velkaro::pictures::vgaPalette;

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

// The desktop icon, the speech bubble of pictures/icon32.xpm drawn smooth, in a square of 32 units.
// Each shape is SVG path data (absolute M, L, Q, C and Z only), so that the scalable icon and the
// PNGs drawn here come from the same numbers. The bubble is its body and its tail, one path
// filled as their union; its grey outline is a stroke two units wide under the white fill, so
// that one unit shows outside and none where the tail meets the body.
constexpr char iconBubble[] =
    "M 30.5 12 C 30.5 19.3 26.27 22.3 16 22.3 C 5.73 22.3 1.5 19.3 1.5 12 "
    "C 1.5 4.7 5.73 1.7 16 1.7 C 26.27 1.7 30.5 4.7 30.5 12 Z "
    "M 5.5 18 L 12.5 20.5 Q 7 26 2.5 30.5 Q 5.5 25 5.5 18 Z";
// The question mark's hook and stem, stroked 2.5 units wide with flat ends, and its dot.
constexpr char iconHook[] = "M 12.72 7.82 C 13.11 6.33 14.46 5.3 16 5.3 C 17.43 5.3 18.71 6.19 "
                            "19.19 7.54 C 19.68 8.88 19.28 10.39 18.19 11.3 Q 16 12.27 16 13.99 "
                            "L 16 15.3";
constexpr double iconHookWidth = 2.5;
constexpr double iconDotX = 16, iconDotY = 18.5, iconDotRadius = 1.5;
const QColor iconOutline(0x80, 0x80, 0x80);
const QColor iconMark(0x00, 0x00, 0xff);

// Reads the path data above; nullopt on anything else.
std::optional<QPainterPath> parsePath(const char* data) {
    const QStringList tokens =
        QString::fromLatin1(data).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    qsizetype i = 0;
    const auto points = [&](int count) -> std::optional<QList<QPointF>> {
        QList<QPointF> result;
        for (int n = 0; n < count; ++n) {
            bool okX = false, okY = false;
            if (i + 1 >= tokens.size())
                return std::nullopt;
            const double x = tokens[i++].toDouble(&okX);
            const double y = tokens[i++].toDouble(&okY);
            if (!okX || !okY)
                return std::nullopt;
            result.append(QPointF(x, y));
        }
        return result;
    };
    while (i < tokens.size()) {
        const QString command = tokens[i++];
        const int count = command == QLatin1String("M") || command == QLatin1String("L") ? 1
                          : command == QLatin1String("Q")                                ? 2
                          : command == QLatin1String("C")                                ? 3
                                                                                         : 0;
        if (command == QLatin1String("Z")) {
            path.closeSubpath();
            continue;
        }
        const auto p = count > 0 ? points(count) : std::nullopt;
        if (!p) {
            err() << "cannot read the path data at \"" << command << "\"\n";
            return std::nullopt;
        }
        if (command == QLatin1String("M"))
            path.moveTo(p->at(0));
        else if (command == QLatin1String("L"))
            path.lineTo(p->at(0));
        else if (command == QLatin1String("Q"))
            path.quadTo(p->at(0), p->at(1));
        else
            path.cubicTo(p->at(0), p->at(1), p->at(2));
    }
    return path;
}

// The desktop icon drawn smooth at `size` pixels.
std::optional<QImage> drawIcon(int size) {
    const auto bubble = parsePath(iconBubble);
    const auto hook = parsePath(iconHook);
    if (!bubble || !hook)
        return std::nullopt;
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 32.0, size / 32.0);

    // Below 32 pixels a unit is less than a pixel: the outline stays a pixel wide there.
    const double outline = 2 * std::max(1.0, 32.0 / size);
    p.setPen(QPen(iconOutline, outline, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(*bubble);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPath(*bubble);

    p.setPen(QPen(iconMark, iconHookWidth, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(*hook);
    p.setPen(Qt::NoPen);
    p.setBrush(iconMark);
    p.drawEllipse(QPointF(iconDotX, iconDotY), iconDotRadius, iconDotRadius);
    return image;
}

// The same icon as SVG, the same shapes in the same order.
QByteArray iconSvg() {
    const QString svg =
        QStringLiteral("<!-- SPDX-License-Identifier: MIT -->\n"
                       "<!-- Velkaro's icon: a speech bubble holding a question mark. Made by\n"
                       "     assets/tools/velkaro-draw-pictures; do not edit. -->\n"
                       "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"32\" height=\"32\" "
                       "viewBox=\"0 0 32 32\">\n"
                       "  <path d=\"%1\"\n"
                       "        fill=\"none\" stroke=\"%2\" stroke-width=\"2\" "
                       "stroke-linejoin=\"round\"/>\n"
                       "  <path d=\"%1\"\n"
                       "        fill=\"#ffffff\"/>\n"
                       "  <path d=\"%3\"\n"
                       "        fill=\"none\" stroke=\"%4\" stroke-width=\"%5\" "
                       "stroke-linejoin=\"round\"/>\n"
                       "  <circle cx=\"%6\" cy=\"%7\" r=\"%8\" fill=\"%4\"/>\n"
                       "</svg>\n")
            .arg(QLatin1String(iconBubble), iconOutline.name(), QLatin1String(iconHook),
                 iconMark.name(), QString::number(iconHookWidth), QString::number(iconDotX),
                 QString::number(iconDotY), QString::number(iconDotRadius));
    return svg.toUtf8();
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
    // The desktop icons: the pixel art where it was drawn for the size, smooth at the others.
    run.picture(QStringLiteral("linux/icons/16.png"),
                icon16->convertToFormat(QImage::Format_ARGB32), Match::Exact);
    run.picture(QStringLiteral("linux/icons/32.png"),
                icon32->convertToFormat(QImage::Format_ARGB32), Match::Exact);
    for (int size : {22, 24, 48, 64, 128, 256}) {
        const auto icon = drawIcon(size);
        if (!icon)
            return 1;
        run.picture(QStringLiteral("linux/icons/%1.png").arg(size), *icon, Match::Smooth);
    }
    run.bytes(QStringLiteral("linux/icons/scalable.svg"), iconSvg());
    return run.ok ? 0 : 1;
}
