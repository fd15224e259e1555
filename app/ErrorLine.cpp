// SPDX-License-Identifier: MIT
#include "ErrorLine.h"

#include <QChar>
#include <QList>
#include <cstdio>

namespace app {

namespace {

// Characters are counted as code points: a cut never splits a surrogate pair.
QString Escaped(const QString& text, qsizetype limit) {
    const QList<uint> codePoints = text.toUcs4();
    QString shown;
    for (qsizetype i = 0; i < codePoints.size(); ++i) {
        if (i == limit) {
            shown += QLatin1String("...");
            break;
        }
        const char32_t c = codePoints[i];
        if (QChar::isPrint(c))
            shown += QString::fromUcs4(&c, 1);
        else if (c < 0x80)
            shown += QStringLiteral("\\%1").arg(uint(c), 3, 8, QLatin1Char('0'));
        else if (c < 0x10000)
            shown += QStringLiteral("\\u%1").arg(uint(c), 4, 16, QLatin1Char('0'));
        else
            shown += QStringLiteral("\\U%1").arg(uint(c), 8, 16, QLatin1Char('0'));
    }
    return shown;
}

} // namespace

QString Shown(const QString& text) {
    return Escaped(text, 60);
}

void PrintErrorLine(const QString& text) {
    std::fprintf(stderr, "velkaro: %s\n", Escaped(text, 300).toLocal8Bit().constData());
}

} // namespace app
