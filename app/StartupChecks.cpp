// SPDX-License-Identifier: MIT
#include "StartupChecks.h"

#include "ErrorLine.h"

#include <QByteArray>
#include <QList>
#include <QStringView>
#include <algorithm>
#include <climits>
#include <cmath>

namespace app {

namespace {

// A scale factor beyond these makes the window a few pixels wide, or several screens wide with
// an image of gigabytes to draw it in.
constexpr double kSmallestScale = 0.1;
constexpr double kLargestScale = 10.0;
// The same for the font resolution, around the usual 96 dots per inch.
constexpr int kSmallestDpi = 10;
constexpr int kLargestDpi = 960;

bool UsableScale(double factor) {
    return std::isfinite(factor) && factor >= kSmallestScale && factor <= kLargestScale;
}

void Ignore(const char* name, const QString& value, const QString& why) {
    PrintErrorLine(QStringLiteral("%1=%2 ignored: %3").arg(QLatin1String(name), Shown(value), why));
    qunsetenv(name);
}

// Read as Qt reads it: a number, or else nothing.
void CheckScaleFactor() {
    constexpr char kName[] = "QT_SCALE_FACTOR";
    if (!qEnvironmentVariableIsSet(kName))
        return;
    const QString value = qEnvironmentVariable(kName);
    bool ok = false;
    const double factor = value.toDouble(&ok);
    if (ok && !UsableScale(factor))
        Ignore(kName, value, QStringLiteral("the scale must be a number from 0.1 to 10"));
}

// A list of factors, one for each screen in turn or by name: "1;2" or "HDMI-1=2;DP-1=1". Qt
// skips the entries that are not numbers.
void CheckScreenScaleFactors() {
    constexpr char kName[] = "QT_SCREEN_SCALE_FACTORS";
    if (!qEnvironmentVariableIsSet(kName))
        return;
    const QString value = qEnvironmentVariable(kName);
    for (const QStringView entry : QStringView(value).split(u';')) {
        const qsizetype equals = entry.lastIndexOf(u'=');
        bool ok = false;
        const double factor = (equals > 0 ? entry.mid(equals + 1) : entry).toDouble(&ok);
        if (ok && !UsableScale(factor)) {
            Ignore(kName, value, QStringLiteral("each scale must be a number from 0.1 to 10"));
            return;
        }
    }
}

// Qt uses a whole number above zero and ignores anything else.
void CheckFontDpi() {
    constexpr char kName[] = "QT_FONT_DPI";
    bool ok = false;
    const int dpi = qEnvironmentVariableIntValue(kName, &ok);
    if (ok && dpi > 0 && (dpi < kSmallestDpi || dpi > kLargestDpi))
        Ignore(kName, qEnvironmentVariable(kName),
               QStringLiteral("the resolution must be from 10 to 960 dots per inch"));
}

bool UsesX11(const QString& platform) {
    const QString name = platform.isEmpty() ? qEnvironmentVariable("QT_QPA_PLATFORM") : platform;
    return name.isEmpty() || name.section(u':', 0, 0) == QLatin1String("xcb");
}

// The X library reads the screen number after the last colon and a dot as an unsigned number
// and keeps it in an int: a minus sign or a number past the int's range gives a negative screen,
// which Qt indexes with.
bool ScreenNumberIsPossible(const QString& display) {
    const qsizetype colon = display.lastIndexOf(u':');
    if (colon < 0)
        return true;
    const qsizetype dot = display.indexOf(u'.', colon);
    if (dot < 0)
        return true;
    QString screen = display.mid(dot + 1).trimmed();
    bool ok = false;
    const qlonglong number = screen.toLongLong(&ok, 10);
    if (ok)
        return number >= 0 && number <= INT_MAX;
    // Digits past even a long long's range, or something the X library refuses itself.
    if (screen.startsWith(u'+') || screen.startsWith(u'-'))
        screen.remove(0, 1);
    return screen.isEmpty() || !std::all_of(screen.cbegin(), screen.cend(),
                                            [](QChar c) { return c >= u'0' && c <= u'9'; });
}

} // namespace

void IgnoreUnusableScaleSettings() {
    CheckScaleFactor();
    CheckScreenScaleFactors();
    CheckFontDpi();
}

bool DisplayScreenIsPossible(const QString& platform, const QString& display) {
    if (!UsesX11(platform))
        return true;
    const QString name = display.isEmpty() ? qEnvironmentVariable("DISPLAY") : display;
    if (ScreenNumberIsPossible(name))
        return true;
    PrintErrorLine(QStringLiteral("cannot open the display \"%1\": the screen number after the "
                                  "dot is not one an X server can have")
                       .arg(Shown(name)));
    return false;
}

} // namespace app
