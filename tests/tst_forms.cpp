// SPDX-License-Identifier: MIT
// The forms layer: positions in twips read back exactly, centring, and
// captions drawn where their alignment puts them, the focus after a press,
// and the platform's preparation.
#include <QtTest>

#include "FormsAccess.h"
#include "forms/Application.h"
#include "forms/CommandButton.h"
#include "forms/Fonts.h"
#include "forms/Form.h"
#include "forms/Label.h"
#include "forms/Twips.h"

using forms::Label;
using forms::TextAlignment;

namespace {

// The columns of a widget drawn on white that hold ink (darker than mid-grey).
std::pair<int, int> InkColumns(const forms::Control& control) {
    QWidget& widget = Widget(control);
    QImage image(widget.size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    widget.render(&image);
    int first = image.width(), last = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 128) {
                first = std::min(first, x);
                last = std::max(last, x);
            }
    return {first, last};
}

} // namespace

class FormsTest : public QObject {
    Q_OBJECT
private slots:
    void position_readsBackExactly_data() {
        QTest::addColumn<float>("twips");
        QTest::newRow("709") << 709.0f;
        QTest::newRow("4076") << 4076.0f;
        QTest::newRow("negative") << -3360.0f;
        QTest::newRow("half a twip") << 2977.5f;
        QTest::newRow("fraction") << 1234.567f;
        QTest::newRow("not a pixel") << 7.0f;
    }
    void position_readsBackExactly() {
        QFETCH(float, twips);
        forms::Form form(forms::BorderStyle::FixedSingle, 6000, 4545);
        Label label(form);
        label.Move(0, 0, 1000, 300);
        label.SetLeft(twips);
        label.SetTop(twips);
        QCOMPARE(label.Left(), twips);
        QCOMPARE(label.Top(), twips);
        QCOMPARE(Widget(label).x(), qRound(twips / 15));
        form.SetLeft(twips);
        QCOMPARE(form.Left(), twips);
    }

    // Right and centred are absolute: right-to-left text does not mirror them.
    void alignment_isAbsolute_data() {
        QTest::addColumn<TextAlignment>("alignment");
        QTest::addColumn<QString>("caption");
        const QString arabic = QStringLiteral("راجع نفسك!");
        const QString digits = QStringLiteral("1 3 5");
        const auto right = TextAlignment::RightJustify, centred = TextAlignment::Center;
        QTest::newRow("right, Arabic") << right << arabic;
        QTest::newRow("right, digits") << right << digits;
        QTest::newRow("centred, Arabic") << centred << arabic;
        QTest::newRow("centred, digits") << centred << digits;
    }
    void alignment_isAbsolute() {
        QFETCH(TextAlignment, alignment);
        QFETCH(QString, caption);
        forms::Form container(forms::BorderStyle::FixedSingle, 6000, 1500);
        Label label(container);
        label.Move(0, 0, 4500, 600);
        label.SetFont({"Traditional Arabic", 15.75f, forms::FontWeight::Bold});
        label.SetCaption(caption.toStdString());
        label.SetAlignment(alignment);
        QCOMPARE(label.Alignment(), alignment);
        const auto [first, last] = InkColumns(label);
        QVERIFY(last > first);
        if (alignment == TextAlignment::RightJustify) {
            QVERIFY2(last >= Widget(label).width() - 4, qPrintable(QString::number(last)));
        } else {
            const int middle = (first + last) / 2;
            QVERIFY2(std::abs(middle - Widget(label).width() / 2) <= 3,
                     qPrintable(QString::number(middle)));
        }
    }

    // A list of numbers reads from the right: the first number stands rightmost.
    void numbers_readRightToLeft() {
        forms::Form container(forms::BorderStyle::FixedSingle, 6000, 1500);
        Label label(container);
        label.Move(0, 0, 4500, 600);
        label.SetCaption("1 77");
        label.SetAlignment(TextAlignment::RightJustify);
        const auto [first, last] = InkColumns(label);
        // "77" is the wider word and lies on the left, "1" on the right.
        Label one(container);
        one.Move(0, 0, 4500, 600);
        one.SetCaption("1");
        one.SetAlignment(TextAlignment::RightJustify);
        const auto [oneFirst, oneLast] = InkColumns(one);
        QCOMPARE(last, oneLast);
        QVERIFY(first < oneFirst);
    }

    // Without the designed face the Arabic texts are drawn in a Naskh face,
    // not in whatever sans-serif fontconfig offers.
    void arabicText_drawnInANaskhFace() {
        const QString family = QString::fromStdString(forms::RenderFamily("Traditional Arabic"));
        QVERIFY2(QStringList({QStringLiteral("Traditional Arabic"), QStringLiteral("Amiri"),
                              QStringLiteral("Noto Naskh Arabic")})
                     .contains(family),
                 qPrintable(family));
        forms::Form container(forms::BorderStyle::FixedSingle, 6000, 1500);
        Label label(container);
        label.SetFont({"Traditional Arabic", 15.75f, forms::FontWeight::Bold});
        QCOMPARE(QFontInfo(Widget(label).font()).family(), family);
    }

    void fontSize_readsBackAsSet() {
        forms::Form container(forms::BorderStyle::FixedSingle, 6000, 1500);
        Label label(container);
        label.SetFont({"Traditional Arabic", 15.75f, forms::FontWeight::Bold});
        QCOMPARE(label.FontSize(), 15.75f);
        label.SetFontSize(16);
        QCOMPARE(label.FontSize(), 16.0f);
        QVERIFY(Widget(label).font().bold());
    }

    void pictureButton_picturesAboveCaption() {
        forms::Form container(forms::BorderStyle::FixedSingle, 6000, 1500);
        forms::CommandButton button(container);
        button.Move(0, 0, 1080, 735);
        button.SetPicture("yes"); // 32 x 32 pixels
        button.SetCaption("نعم");
        QCOMPARE(PictureRect(button).size(), QSize(32, 32));
        QVERIFY(PictureRect(button).top() < CaptionRect(button).top());
        QVERIFY(CaptionRect(button).bottom() < Widget(button).height());
        button.SetCaption("");
        QVERIFY(std::abs(PictureRect(button).center().y() - Widget(button).rect().center().y()) <=
                1);
    }

    // A press that hides the focused button and then shows the one that
    // follows it: the focus goes on to that one once the handler has ended,
    // not to whatever was shown while the handler ran.
    void focus_settlesOnTheButtonShownByTheHandler() {
        forms::Form form(forms::BorderStyle::FixedSingle, 6000, 1500);
        forms::CommandButton first(form), second(form), third(form);
        first.Move(0, 0, 1080, 735);
        second.Move(1200, 0, 1080, 735);
        third.Move(2400, 0, 1080, 735);
        second.SetVisible(false);
        first.Click.Connect([&] {
            first.SetVisible(false);
            second.SetVisible(true);
        });
        Widget(form).show();
        QVERIFY(QTest::qWaitForWindowActive(&Widget(form)));
        first.SetFocus();
        QCOMPARE(QApplication::focusWidget(), &Widget(first));
        QTest::keyClick(&Widget(first), Qt::Key_Space);
        QTRY_COMPARE(QApplication::focusWidget(), &Widget(second));
        QTest::qWait(50);
        QCOMPARE(QApplication::focusWidget(), &Widget(second));
    }

    // Shared-memory images are off on X11 unless whoever starts the program
    // chose otherwise.
    void preparePlatform_data() {
        QTest::addColumn<bool>("set");
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("unset") << false << QByteArray() << QByteArray("1");
        QTest::newRow("set to 0") << true << QByteArray("0") << QByteArray("0");
        QTest::newRow("set to 1") << true << QByteArray("1") << QByteArray("1");
    }
    void preparePlatform() {
        QFETCH(bool, set);
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, after);
        const bool wasSet = qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM");
        const QByteArray was = qgetenv("QT_XCB_NO_MITSHM");
        const auto restore = qScopeGuard([&] {
            if (wasSet)
                qputenv("QT_XCB_NO_MITSHM", was);
            else
                qunsetenv("QT_XCB_NO_MITSHM");
        });
        if (set)
            qputenv("QT_XCB_NO_MITSHM", before);
        else
            qunsetenv("QT_XCB_NO_MITSHM");
        forms::PreparePlatform();
        QVERIFY(qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM"));
        QCOMPARE(qgetenv("QT_XCB_NO_MITSHM"), after);
    }
};

QTEST_MAIN(FormsTest)
#include "tst_forms.moc"
