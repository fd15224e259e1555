// SPDX-License-Identifier: MIT
// The windows on other screens: device pixel ratios 1, 1.5 and 2, logical
// DPI 96 and 144, and screens smaller than the window. Positions stay exact
// in twips, the pixels follow them, centring may go off the screen, and no
// text that should show is cut off.
//
// The screen is fixed when the application starts, so each screen runs in a
// process of its own: run without arguments, this test starts itself once
// for each screen described under scaling/, on Qt's offscreen platform.
// Pictures of the windows are saved under <screen>/ in a fresh temporary
// folder, removed at the end, or in the folder VELKARO_SCALING_SHOTS names,
// where they are kept.
#include "TestAccess.h"

#include <QDir>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>
#include <cmath>
#include <optional>

#include "forms/Frame.h"
#include "forms/Twips.h"

using forms::CommandButton;
using forms::Label;

namespace {

// The screen the child process was started for, as the launcher describes it.
const char* const kScreenVariable = "VELKARO_SCALING_SCREEN";

struct Expected {
    QString name;
    double dpi = 96;
    double dpr = 1;
    QSize size;
    QString shots;

    static Expected FromEnvironment() {
        Expected e;
        const QStringList fields = qEnvironmentVariable(kScreenVariable).split(QLatin1Char(' '));
        if (fields.size() < 6)
            qFatal("%s: name dpi dpr width height shots", kScreenVariable);
        e.name = fields[0];
        e.dpi = fields[1].toDouble();
        e.dpr = fields[2].toDouble();
        e.size = QSize(fields[3].toInt(), fields[4].toInt());
        e.shots = fields.mid(5).join(QLatin1Char(' ')); // a folder name may hold spaces
        return e;
    }
};

const Expected& Screen() {
    static const Expected e = Expected::FromEnvironment();
    return e;
}

// Twips to pixels on this screen: round(twips / (1440 / logical DPI)).
int Px(double twips) {
    return int(std::lround(twips / (1440.0 / Screen().dpi)));
}
double Twips(int pixels) {
    return pixels * (1440.0 / Screen().dpi);
}

// The window as drawn on this screen, in device pixels.
QImage Drawn(const forms::Form& form) {
    QWidget& window = Widget(form);
    window.repaint();
    QCoreApplication::processEvents();
    return window.grab().toImage();
}

// The device pixels that lie wholly inside a control, in the image of its window.
// The part of a control that no frame drawn over it covers.
QRect Uncovered(const QWidget& control) {
    QRect box = control.rect();
    for (const auto* frame : control.parentWidget()->findChildren<forms::qt::FrameWidget*>(
             Qt::FindDirectChildrenOnly)) {
        const QRect over = frame->geometry().translated(-control.pos());
        if (over.intersects(box) && over.top() > box.top())
            box.setBottom(over.top() - 1);
    }
    return box;
}

QRect DeviceBox(const QWidget& control, const QWidget& window, qreal dpr) {
    const QRect uncovered = Uncovered(control);
    const QRectF box(QPointF(control.mapTo(&window, uncovered.topLeft())),
                     QSizeF(uncovered.size()));
    const int left = int(std::ceil(box.left() * dpr - 1e-6));
    const int top = int(std::ceil(box.top() * dpr - 1e-6));
    const int right = int(std::floor(box.right() * dpr + 1e-6));   // exclusive
    const int bottom = int(std::floor(box.bottom() * dpr + 1e-6)); // exclusive
    return {left, top, right - left, bottom - top};
}

bool IsInk(QRgb pixel, QRgb background) {
    return std::abs(qRed(pixel) - qRed(background)) > 48 ||
           std::abs(qGreen(pixel) - qGreen(background)) > 48 ||
           std::abs(qBlue(pixel) - qBlue(background)) > 48;
}

struct Ink {
    QRect box;       // where the ink lies, in the image; null for none
    QStringList cut; // the edges of the area that ink touches
};

// The ink in an area of the image, over a plain background.
Ink InkIn(const QImage& image, const QRect& area, QRgb background) {
    Ink ink;
    int left = INT_MAX, top = INT_MAX, right = INT_MIN, bottom = INT_MIN;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (IsInk(image.pixel(x, y), background)) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    if (left == INT_MAX)
        return ink;
    ink.box = QRect(QPoint(left, top), QPoint(right, bottom));
    if (top == area.top())
        ink.cut << QStringLiteral("top");
    if (bottom == area.bottom())
        ink.cut << QStringLiteral("bottom");
    if (left == area.left())
        ink.cut << QStringLiteral("left");
    if (right == area.right())
        ink.cut << QStringLiteral("right");
    return ink;
}

QString Describe(const QRectF& r) {
    return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

// What is wrong with a label's caption as drawn in the image of its window:
// nothing drawn, or ink on an edge of the label, where the text was cut.
// Right-justified text may touch the right edge: it is flush there.
QString CutText(const QImage& image, const forms::Form& form, const Label& label) {
    const QWidget& drawn = Widget(label);
    const QRgb background = drawn.parentWidget()->palette().color(QPalette::Window).rgb();
    const QRect area = DeviceBox(drawn, Widget(form), image.devicePixelRatio());
    const Ink ink = InkIn(image, area, background);
    if (ink.box.isNull())
        return drawn.objectName() + QStringLiteral(" draws nothing");
    QStringList cut = ink.cut;
    if (label.Alignment() == forms::TextAlignment::RightJustify)
        cut.removeAll(QStringLiteral("right"));
    if (label.Alignment() == forms::TextAlignment::LeftJustify)
        cut.removeAll(QStringLiteral("left"));
    // A frame drawn over the label's lower edge may hide the last descents.
    if (Uncovered(drawn) != drawn.rect())
        cut.removeAll(QStringLiteral("bottom"));
    if (cut.isEmpty())
        return {};
    return QStringLiteral("%1: ink at %2 in the label's %3 reaches its %4 edge")
        .arg(drawn.objectName(), Describe(ink.box), Describe(area), cut.join(QStringLiteral(", ")));
}

// Whether the caption, wrapped at the label's width by Qt's own text layout,
// takes no more lines than the label has room for. The last line's descent
// may reach a pixel beyond.
QString TooLong(const Label& label) {
    const QFontMetricsF metrics(DrawnFont(label));
    const qreal needed =
        metrics
            .boundingRect(QRectF(0, 0, Widget(label).width(), 100000),
                          Qt::TextWordWrap | Qt::AlignRight | Qt::AlignTop, Caption(label))
            .height();
    if (needed <= Widget(label).height() + 1)
        return {};
    return QStringLiteral("%1 needs %2 pixels (lines of %3), has %4")
        .arg(Widget(label).objectName())
        .arg(needed)
        .arg(metrics.height())
        .arg(Widget(label).height());
}

void Save(const QImage& image, const QString& what) {
    const QString dir = Screen().shots + QLatin1Char('/') + Screen().name;
    QDir().mkpath(dir);
    const QString file = dir + QLatin1Char('/') + what + QStringLiteral(".png");
    if (!image.save(file))
        qWarning("could not save %s", qPrintable(file));
}

// A main window with the pointer out of the way of the Wrong button.
frmMainVelkaro* OpenMainPointerAside() {
    frmMainVelkaro* window = OpenMain();
    QTest::mouseMove(&Widget(*window), QPoint(Widget(*window).width() - 2, 2));
    return window;
}

// A control's box reads back in twips as designed, and its pixels follow it,
// measured from the inside of its container's frame.
void CheckDesign(const forms::Form& window, const QString& name, const QRectF& box) {
    QWidget& widget = Control(window, qPrintable(name));
    const auto* control = forms::qt::ControlOf(widget);
    QVERIFY(control);
    QCOMPARE(QRectF(control->Left(), control->Top(), control->Width(), control->Height()), box);
    const QPoint origin = widget.parentWidget()->contentsRect().topLeft();
    QCOMPARE(widget.geometry(), Pixels(box, Screen().dpi).translated(origin));
}

} // namespace

// The checks, on the screen this process was started with.
class ScreenTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { DiscardWindows(); }

    void screen_asConfigured() {
        const QScreen* screen = QGuiApplication::primaryScreen();
        QVERIFY(screen);
        QCOMPARE(screen->name(), Screen().name);
        QCOMPARE(screen->logicalDotsPerInchX(), Screen().dpi);
        QCOMPARE(screen->logicalDotsPerInchY(), Screen().dpi);
        QCOMPARE(screen->devicePixelRatio(), Screen().dpr);
        QCOMPARE(screen->geometry().size(), Screen().size);
        QCOMPARE(forms::TwipsPerPixelX(), float(1440.0 / Screen().dpi));
    }

    void mainWindow_design_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRectF>("box");
        for (const design::Box& d : design::kMainWindow)
            QTest::newRow(d.name) << QString::fromLatin1(d.name) << ToQRectF(d.twips);
    }
    void mainWindow_design() {
        QFETCH(QString, name);
        QFETCH(QRectF, box);
        frmMainVelkaro* window = OpenMainPointerAside();
        QCOMPARE(Widget(*window).size(),
                 QSize(Px(design::kMainClient.width), Px(design::kMainClient.height)));
        CheckDesign(*window, name, box);
    }

    // The Wrong button's two places in pixels, on this screen.
    void wrongButton_jumpsInPixels() {
        frmMainVelkaro* window = OpenMainPointerAside();
        Play(*window, 0);
        auto& wrong = Control<CommandButton>(*window, "cmdWrong");
        const QRectF left = ToQRectF(design::WrongButtonAt(design::kWrongLeft));
        const QRectF right = ToQRectF(design::WrongButtonAt(design::kWrongRight));
        QCOMPARE(wrong.Left(), design::kWrongLeft);
        QCOMPARE(Widget(wrong).geometry(), Pixels(left, Screen().dpi));
        QTest::mouseMove(&Widget(*window), Pixels(left, Screen().dpi).center());
        QCOMPARE(wrong.Left(), design::kWrongRight);
        QCOMPARE(Widget(wrong).geometry(), Pixels(right, Screen().dpi));
    }

    void about_design_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRectF>("box");
        for (const design::Box& d : design::kAboutWindow)
            QTest::newRow(d.name) << QString::fromLatin1(d.name) << ToQRectF(d.twips);
    }
    void about_design() {
        QFETCH(QString, name);
        QFETCH(QRectF, box);
        frmAbout& about = AboutWithGreetingStopped();
        QCOMPARE(Widget(about).contentsRect().size(),
                 QSize(Px(design::kAboutClient.width), Px(design::kAboutClient.height)));
        CheckDesign(about, name, box);
    }

    // Both windows stand in the middle of the screen, their outer boxes
    // included; on a screen smaller than the window that is off its top left.
    void windows_centred_data() {
        QTest::addColumn<bool>("about");
        QTest::newRow("main window") << false;
        QTest::newRow("About window") << true;
    }
    void windows_centred() {
        QFETCH(bool, about);
        forms::Form* form =
            about ? static_cast<forms::Form*>(&AboutWithGreetingStopped()) : OpenMainPointerAside();
        const QRect outer = Widget(*form).frameGeometry();
        const double outerWidth = Twips(outer.width());
        const double outerHeight = Twips(outer.height());
        QCOMPARE(double(form->OuterWidth()), outerWidth);
        QCOMPARE(double(form->OuterHeight()), outerHeight);
        const double left = (Twips(Screen().size.width()) - outerWidth) / 2;
        const double top = (Twips(Screen().size.height()) - outerHeight) / 2;
        QCOMPARE(double(form->Left()), left);
        QCOMPARE(double(form->Top()), top);
        // The offscreen platform keeps a frame that would start off the
        // screen's top left inside by the frame's width; the position asked
        // for is still the centred one.
        const QMargins frame = Widget(*form).windowHandle()->frameMargins();
        const QPoint asked(Px(left), Px(top));
        const QPoint nudged(asked.x() < 0 ? asked.x() + frame.left() : asked.x(),
                            asked.y() < 0 ? asked.y() + frame.top() : asked.y());
        QVERIFY2(outer.topLeft() == asked || outer.topLeft() == nudged,
                 qPrintable(QStringLiteral("at %1,%2, not %3,%4")
                                .arg(outer.x())
                                .arg(outer.y())
                                .arg(asked.x())
                                .arg(asked.y())));
        QCOMPARE(form->Left() < 0, Screen().size.width() < outer.width());
        QCOMPARE(form->Top() < 0, Screen().size.height() < outer.height());
        QVERIFY(Widget(*form).isVisible());
    }

    // The instruction: whole inside its label.
    void startScreen_notCut() {
        frmMainVelkaro* window = OpenMainPointerAside();
        const QImage image = Drawn(*window);
        Save(image, QStringLiteral("start"));
        auto& label = Control<Label>(*window, "lblMain");
        const QString cut = CutText(image, *window, label);
        QVERIFY2(cut.isEmpty(), qPrintable(cut));
        const QString tooLong = TooLong(label);
        QVERIFY2(tooLong.isEmpty(), qPrintable(tooLong));
    }

    // In the faces it was laid out for, the instruction fills its label's two
    // lines (another face may draw it smaller to keep it whole).
    void startScreen_twoLines() {
        frmMainVelkaro* window = OpenMainPointerAside();
        auto& label = Control<Label>(*window, "lblMain");
        const qreal line = QFontMetricsF(DrawnFont(label)).height();
        QVERIFY2(Widget(label).height() < 3 * line, "the label has room for more than two lines");
    }

    // Each card's list and question fit their labels, in the first game of a
    // window (15.75 points) and in the games after it (16 points).
    void cardPages_notCut_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<bool>("afterReset");
        for (bool afterReset : {false, true})
            for (int page = 1; page <= 5; ++page)
                QTest::addRow("card %d%s", page, afterReset ? ", second game" : "")
                    << page << afterReset;
    }
    void cardPages_notCut() {
        QFETCH(int, page);
        QFETCH(bool, afterReset);
        frmMainVelkaro* window = OpenMainPointerAside();
        if (afterReset) {
            Play(*window, 37);
            QTest::mouseClick(&Control(*window, "cmdYes"), Qt::LeftButton);
        }
        QTest::mouseClick(&Control(*window, "cmdStart"), Qt::LeftButton);
        for (int i = 1; i < page; ++i)
            QTest::mouseClick(&Control(*window, "cmdYes"), Qt::LeftButton);
        auto& list = Control<Label>(*window, "lblNoList");
        QCOMPARE(Caption(list), FromUtf8(design::CardLine(page)));
        QCOMPARE(list.FontSize(), afterReset ? 16.0f : 15.75f);
        const QString tooLong = TooLong(list);
        QVERIFY2(tooLong.isEmpty(), qPrintable(tooLong));
        const QImage image = Drawn(*window);
        if (page == 1 && !afterReset)
            Save(image, QStringLiteral("page1"));
        for (const char* name : {"lblNoList", "lblQu1"}) {
            const QString cut = CutText(image, *window, Control<Label>(*window, name));
            QVERIFY2(cut.isEmpty(), qPrintable(cut));
        }
    }

    // The two range questions are longer than the question label: each is
    // drawn smaller, on one line, whole.
    void rangePages_notCut_data() {
        QTest::addColumn<int>("page");
        QTest::newRow("32 to 63") << 6;
        QTest::newRow("64 to 90") << 7;
    }
    void rangePages_notCut() {
        QFETCH(int, page);
        frmMainVelkaro* window = OpenMainPointerAside();
        QTest::mouseClick(&Control(*window, "cmdStart"), Qt::LeftButton);
        for (int i = 1; i < page; ++i)
            QTest::mouseClick(&Control(*window, "cmdNo"), Qt::LeftButton);
        auto& question = Control<Label>(*window, "lblQu1");
        QCOMPARE(Caption(question),
                 FromUtf8(page == 6 ? design::kRange1Question : design::kRange2Question));
        const qreal advance =
            QFontMetricsF(DrawnFont(question)).horizontalAdvance(Caption(question));
        QVERIFY2(advance <= Widget(question).width(),
                 qPrintable(QStringLiteral("%1 pixels wide, %2 of label")
                                .arg(advance)
                                .arg(Widget(question).width())));
        const QImage image = Drawn(*window);
        if (page == 6)
            Save(image, QStringLiteral("page6"));
        const QString cut = CutText(image, *window, question);
        QVERIFY2(cut.isEmpty(), qPrintable(cut));
    }

    // The 100-point number and the check-yourself text lie inside their
    // label, in its middle.
    void result_notCut_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("shown");
        QTest::newRow("0") << 0 << QStringLiteral("0");
        QTest::newRow("37") << 37 << QStringLiteral("37");
        QTest::newRow("88") << 88 << QStringLiteral("88");
        QTest::newRow("90") << 93 << QStringLiteral("90");
        QTest::newRow("check yourself") << 127 << FromUtf8(design::kCheckYourself);
    }
    void result_notCut() {
        QFETCH(int, code);
        QFETCH(QString, shown);
        frmMainVelkaro* window = OpenMainPointerAside();
        Play(*window, code);
        auto& list = Control<Label>(*window, "lblNoList");
        QCOMPARE(Caption(list), shown);
        const QImage image = Drawn(*window);
        Save(image, QStringLiteral("result-") + QString::fromLatin1(QTest::currentDataTag())
                                                    .replace(QLatin1Char(' '), QLatin1Char('-')));
        const QString cut = CutText(image, *window, list);
        QVERIFY2(cut.isEmpty(), qPrintable(cut));
        const QRgb background = Widget(*window).palette().color(QPalette::Window).rgb();
        const QRect area = DeviceBox(Widget(list), Widget(*window), image.devicePixelRatio());
        const QRect ink = InkIn(image, area, background).box;
        const int leftRoom = ink.left() - area.left();
        const int rightRoom = area.right() - ink.right();
        QVERIFY2(std::abs(leftRoom - rightRoom) <= area.width() / 20,
                 qPrintable(QStringLiteral("%1 pixels free on the left, %2 on the right")
                                .arg(leftRoom)
                                .arg(rightRoom)));
        if (code != 127) {
            const QString said = CutText(image, *window, Control<Label>(*window, "lblQu1"));
            QVERIFY2(said.isEmpty(), qPrintable(said));
        }
    }

    // The visible part of each button's picture lies inside the button,
    // clear of the caption below it.
    void buttons_pictureClearOfCaption_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("picture");
        QTest::newRow("cmdYes") << "cmdYes"
                                << ":/pictures/yes";
        QTest::newRow("cmdNo") << "cmdNo"
                               << ":/pictures/no";
        QTest::newRow("cmdStart") << "cmdStart"
                                  << ":/pictures/start";
        QTest::newRow("cmdWrong") << "cmdWrong"
                                  << ":/pictures/wrong32";
    }
    void buttons_pictureClearOfCaption() {
        QFETCH(QString, name);
        QFETCH(QString, picture);
        frmMainVelkaro* window = OpenMainPointerAside();
        auto& button = Control<CommandButton>(*window, qPrintable(name));
        const QImage source = QImage(picture).convertToFormat(QImage::Format_ARGB32);
        QVERIFY(!source.isNull());
        // Where its opaque pixels land in the button.
        int left = INT_MAX, top = INT_MAX, right = INT_MIN, bottom = INT_MIN;
        for (int y = 0; y < source.height(); ++y)
            for (int x = 0; x < source.width(); ++x)
                if (qAlpha(source.pixel(x, y)) > 0) {
                    left = std::min(left, x);
                    right = std::max(right, x + 1);
                    top = std::min(top, y);
                    bottom = std::max(bottom, y + 1);
                }
        const QRect place = PictureRect(button);
        const qreal sx = qreal(place.width()) / source.width();
        const qreal sy = qreal(place.height()) / source.height();
        const QRectF shown(place.x() + left * sx, place.y() + top * sy, (right - left) * sx,
                           (bottom - top) * sy);
        QVERIFY2(QRectF(Widget(button).rect()).contains(shown),
                 qPrintable(Describe(shown) + QStringLiteral(" outside ") +
                            Describe(QRectF(Widget(button).rect()))));
        if (Caption(button).isEmpty())
            return;
        // The caption as drawn: centred in its box, from the top.
        const QFontMetricsF metrics(Widget(button).font());
        const QRect box = CaptionRect(button);
        const qreal advance = metrics.horizontalAdvance(Caption(button));
        const QRectF caption =
            metrics.tightBoundingRect(Caption(button))
                .translated(box.x() + (box.width() - advance) / 2, box.y() + metrics.ascent());
        QVERIFY2(QRectF(Widget(button).rect()).contains(caption),
                 qPrintable(Describe(caption) + QStringLiteral(" outside ") +
                            Describe(QRectF(Widget(button).rect()))));
        QVERIFY2(!shown.intersects(caption),
                 qPrintable(QStringLiteral("picture at %1, caption at %2")
                                .arg(Describe(shown), Describe(caption))));
    }

    void about_notCut_data() {
        QTest::addColumn<QString>("name");
        for (const char* name : {"Label1", "Label5", "Label8", "Label9"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }
    void about_notCut() {
        QFETCH(QString, name);
        frmAbout& about = AboutWithGreetingStopped();
        const QImage image = Drawn(about);
        if (name == QLatin1String("Label1"))
            Save(image, QStringLiteral("about"));
        auto& label = Control<Label>(about, qPrintable(name));
        const QString cut = CutText(image, about, label);
        QVERIFY2(cut.isEmpty(), qPrintable(cut));
        const QString tooLong = TooLong(label);
        QVERIFY2(tooLong.isEmpty(), qPrintable(tooLong));
    }
};

// Starts the checks above once for each screen.
class ScalingTest : public QObject {
    Q_OBJECT
    std::optional<QTemporaryDir> temporaryShots;
    QString shots;

private slots:
    void initTestCase() {
        shots = qEnvironmentVariable("VELKARO_SCALING_SHOTS");
        if (shots.isEmpty()) {
            temporaryShots.emplace();
            QVERIFY2(temporaryShots->isValid(), qPrintable(temporaryShots->errorString()));
            shots = temporaryShots->path();
        }
    }

    void screens_data() {
        QTest::addColumn<double>("dpi");
        QTest::addColumn<double>("dpr");
        QTest::addColumn<QSize>("size");
        // The name of the configuration under scaling/, and what Qt makes of it.
        QTest::newRow("dpr1") << 96.0 << 1.0 << QSize(1280, 1024);
        QTest::newRow("dpr1.5") << 96.0 << 1.5 << QSize(1280, 1024);
        QTest::newRow("dpr2") << 96.0 << 2.0 << QSize(1280, 1024);
        QTest::newRow("dpi144") << 144.0 << 1.0 << QSize(1920, 1536);
        QTest::newRow("dpi144-dpr2") << 144.0 << 2.0 << QSize(1920, 1536);
        // 144 DPI over a base of 96: Qt scales by 1.5 and reports 96 DPI.
        QTest::newRow("dpi144-scaled") << 96.0 << 1.5 << QSize(1280, 1024);
        QTest::newRow("small") << 96.0 << 1.0 << QSize(320, 240);
        QTest::newRow("small-dpi144-dpr2") << 144.0 << 2.0 << QSize(400, 300);
    }
    void screens() {
        QFETCH(double, dpi);
        QFETCH(double, dpr);
        QFETCH(QSize, size);
        const QString name = QString::fromLatin1(QTest::currentDataTag());
        const QString config =
            QFINDTESTDATA(QStringLiteral("scaling/") + name + QStringLiteral(".json"));
        QVERIFY2(!config.isEmpty(), "no configuration file");
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"),
                           QStringLiteral("offscreen:configfile=") + config);
        environment.insert(QString::fromLatin1(kScreenVariable), QStringLiteral("%1 %2 %3 %4 %5 %6")
                                                                     .arg(name)
                                                                     .arg(dpi)
                                                                     .arg(dpr)
                                                                     .arg(size.width())
                                                                     .arg(size.height())
                                                                     .arg(shots));
        environment.remove(QStringLiteral("QT_SCALE_FACTOR"));
        environment.remove(QStringLiteral("QT_SCREEN_SCALE_FACTORS"));
        environment.remove(QStringLiteral("QT_ENABLE_HIGHDPI_SCALING"));
        QProcess child;
        child.setProcessEnvironment(environment);
        child.setProcessChannelMode(QProcess::MergedChannels);
        // Only the checks named in VELKARO_SCALING_CHECKS, when it is set.
        child.start(QCoreApplication::applicationFilePath(),
                    qEnvironmentVariable("VELKARO_SCALING_CHECKS")
                        .split(QLatin1Char(' '), Qt::SkipEmptyParts));
        QVERIFY(child.waitForFinished(120000));
        const QString output = QString::fromLocal8Bit(child.readAll());
        const bool passed = child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0;
        if (!passed) {
            // The child's report, less what passed and the platform's chatter.
            for (const QString& line : output.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
                if (!line.startsWith(QLatin1String("PASS")) &&
                    !line.contains(QLatin1String("does not support raise()")) &&
                    !line.startsWith(QLatin1String("QStandardPaths")))
                    qInfo("  %s", qPrintable(line));
        }
        QVERIFY2(passed, qPrintable(QStringLiteral("on the screen %1 (%2), see above")
                                        .arg(name, QDir::toNativeSeparators(config))));
        const QString kept =
            temporaryShots ? QString() : QStringLiteral("; pictures in %1/%2").arg(shots, name);
        qInfo("%s: %s%s", qPrintable(name),
              qPrintable(
                  output.section(QStringLiteral("Totals: "), 1).section(QLatin1Char(','), 0, 1)),
              qPrintable(kept));
    }
};

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QTEST_SET_MAIN_SOURCE_PATH
    if (qEnvironmentVariableIsSet(kScreenVariable)) {
        ScreenTest test;
        return QTest::qExec(&test, argc, argv);
    }
    ScalingTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_scaling.moc"
