// SPDX-License-Identifier: MIT
#include "picture_compare.h"

#include <QColor>

#include <algorithm>
#include <cstdlib>

namespace velkaro::pictures {

namespace {

QString where(int x, int y, QRgb expected, QRgb actual) {
    return QStringLiteral("at %1,%2 %3 instead of %4")
        .arg(x)
        .arg(y)
        .arg(QColor::fromRgba(actual).name(QColor::HexArgb),
             QColor::fromRgba(expected).name(QColor::HexArgb));
}

int channelDistance(QRgb a, QRgb b) {
    return std::max({std::abs(qAlpha(a) - qAlpha(b)), std::abs(qRed(a) - qRed(b)),
                     std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))});
}

} // namespace

QString compare(const QImage& expected, const QImage& actual, Match match,
                SmoothTolerance tolerance) {
    if (expected.size() != actual.size()) {
        return QStringLiteral("%1x%2 pixels instead of %3x%4")
            .arg(actual.width())
            .arg(actual.height())
            .arg(expected.width())
            .arg(expected.height());
    }
    if (expected.hasAlphaChannel() != actual.hasAlphaChannel())
        return actual.hasAlphaChannel() ? QStringLiteral("has an alpha channel it should not have")
                                        : QStringLiteral("has no alpha channel");

    if (match == Match::Exact) {
        const QImage a = expected.convertToFormat(QImage::Format_ARGB32);
        const QImage b = actual.convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < a.height(); ++y)
            for (int x = 0; x < a.width(); ++x)
                if (a.pixel(x, y) != b.pixel(x, y))
                    return QStringLiteral("pixel ") + where(x, y, a.pixel(x, y), b.pixel(x, y));
        return {};
    }

    // Premultiplied, so that the colour of a nearly transparent edge pixel, which rounding
    // makes meaningless, weighs as little as it shows.
    const QImage a = expected.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage b = actual.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const qsizetype pixels = qsizetype(a.width()) * a.height();
    const qsizetype straysAllowed = qsizetype(double(pixels) * tolerance.strayShare);
    qsizetype strays = 0;
    QString firstStray;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            const int distance = channelDistance(p, q);
            if (distance <= tolerance.noise)
                continue;
            if (distance > tolerance.strayLevels) {
                return QStringLiteral("pixel %1, %2 levels off")
                    .arg(where(x, y, p, q))
                    .arg(distance);
            }
            if (strays++ == 0)
                firstStray = where(x, y, p, q);
        }
    }
    if (strays > straysAllowed) {
        return QStringLiteral("%1 pixels differ by more than %2 levels (%3 may), the first %4")
            .arg(strays)
            .arg(tolerance.noise)
            .arg(straysAllowed)
            .arg(firstStray);
    }
    return {};
}

} // namespace velkaro::pictures
