// SPDX-License-Identifier: MIT
#include "Picture.h"

#include "Utf8.h"
#include "forms/Pictures.h"

#include <QFile>
#include <QImageReader>

namespace forms::qt {

namespace {

// Reads the picture of that name: its size alone, or the whole of it.
template <typename Read> auto ReadPicture(std::string_view name, Read read) {
    const std::string_view stored = PictureFileOf(name);
    QFile file(QStringLiteral(":/pictures/") + FromUtf8(stored));
    if (stored.empty() || !file.open(QIODevice::ReadOnly))
        return decltype(read(std::declval<QImageReader&>())){};
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
    return read(reader);
}

} // namespace

QPixmap Picture(std::string_view name) {
    return ReadPicture(name,
                       [](QImageReader& reader) { return QPixmap::fromImage(reader.read()); });
}

QSize PictureSize(std::string_view name) {
    return ReadPicture(name, [](QImageReader& reader) { return reader.size(); });
}

} // namespace forms::qt
