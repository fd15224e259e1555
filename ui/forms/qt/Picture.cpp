// SPDX-License-Identifier: MIT
#include "Picture.h"

#include "Utf8.h"

#include <QFile>
#include <QImageReader>

namespace forms::qt {

QPixmap Picture(std::string_view name) {
    QFile file(QStringLiteral(":/pictures/") + FromUtf8(name));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    // The formats of the pictures: PNG and XPM, both read by Qt itself. With
    // the format named and no detection, Qt asks no plugin; any other format
    // is left for Qt to recognise.
    const QByteArray start = file.peek(9);
    QByteArray format;
    if (start.startsWith("\x89PNG"))
        format = "png";
    else if (start.startsWith("/* XPM */"))
        format = "xpm";
    QImageReader reader(&file, format);
    reader.setAutoDetectImageFormat(format.isEmpty());
    return QPixmap::fromImage(reader.read());
}

} // namespace forms::qt
