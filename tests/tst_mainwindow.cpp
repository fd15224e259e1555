// SPDX-License-Identifier: MIT
// The main window as the player sees it: the start screen, the seven pages,
// the number and check-yourself screens and the way back.
#include "TestAccess.h"

#include "AnswerCodes.h"
#include "forms/Twips.h"

using forms::CommandButton;
using forms::Label;
using forms::TextAlignment;
using Access = frmMainVelkaroTestAccess;

namespace {

struct Screen {
    frmMainVelkaro* window;
    Label& lblMain;
    Label& lblQu1;
    Label& lblNoList;
    CommandButton& cmdYes;
    CommandButton& cmdNo;
    CommandButton& cmdStart;
    CommandButton& cmdWrong;

    explicit Screen(frmMainVelkaro* w)
        : window(w)
        , lblMain(Control<Label>(*w, "lblMain"))
        , lblQu1(Control<Label>(*w, "lblQu1"))
        , lblNoList(Control<Label>(*w, "lblNoList"))
        , cmdYes(Control<CommandButton>(*w, "cmdYes"))
        , cmdNo(Control<CommandButton>(*w, "cmdNo"))
        , cmdStart(Control<CommandButton>(*w, "cmdStart"))
        , cmdWrong(Control<CommandButton>(*w, "cmdWrong")) {}

    void Click(forms::Control& button) { QTest::mouseClick(&Widget(button), Qt::LeftButton); }
    void Start() { Click(cmdStart); }
    void Answer(int code) { AnswerSeven(*window, code); }
    QString Shown() const { return ::Shown(*window); }
};

QString Title(int page) {
    return FromUtf8(design::PageTitle(page));
}

QString Expected(int code) {
    return QString::fromStdString(answer_codes::NumberNamed(code));
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
    frmMainVelkaro* window = nullptr;

    Screen Open() {
        window = OpenMain();
        return Screen(window);
    }

private slots:
    void cleanup() { DiscardWindows(); }

    void startScreen_atLaunch() {
        Screen s = Open();
        QCOMPARE(Caption(*window), FromUtf8(design::kMainCaption));
        QCOMPARE(s.Shown(), QStringLiteral("lblMain cmdStart"));
        QCOMPARE(Caption(s.lblMain), FromUtf8(design::kInstruction));
        QCOMPARE(Caption(s.lblQu1), FromUtf8(design::kCardQuestion));
        QCOMPARE(Caption(s.lblNoList), QString());
        QCOMPARE(s.lblNoList.FontSize(), 15.75f);
        QCOMPARE(s.lblNoList.Alignment(), TextAlignment::RightJustify);
        QCOMPARE(Caption(s.cmdYes), FromUtf8(design::kYes));
        QCOMPARE(Caption(s.cmdNo), FromUtf8(design::kNo));
        QCOMPARE(Caption(s.cmdWrong), FromUtf8(design::kWrong));
        QVERIFY(s.cmdYes.Enabled() && s.cmdNo.Enabled());
        QCOMPARE(s.cmdWrong.Left(), design::kWrongRight);
        QCOMPARE(Access::Step(*window), std::int16_t(0));
        for (const std::string& slot : Access::Candidates(*window))
            QVERIFY(slot.empty());
    }

    void design_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRectF>("box");
        for (const design::Box& d : design::kMainWindow)
            QTest::newRow(d.name) << QString::fromLatin1(d.name) << ToQRectF(d.twips);
    }
    void design() {
        QFETCH(QString, name);
        QFETCH(QRectF, box);
        Open();
        QWidget& widget = Control(*window, qPrintable(name));
        const auto* control = forms::qt::ControlOf(widget);
        QVERIFY(control);
        QCOMPARE(QRectF(control->Left(), control->Top(), control->Width(), control->Height()), box);
        // 15 twips to the pixel at 96 DPI.
        QCOMPARE(widget.geometry(), Pixels(box));
    }

    void labels_fontsAndColours() {
        Screen s = Open();
        for (Label* label : {&s.lblMain, &s.lblQu1, &s.lblNoList}) {
            QCOMPARE(label->FontSize(), 15.75f);
            QVERIFY(Widget(*label).font().bold());
            QCOMPARE(label->Alignment(), TextAlignment::RightJustify);
        }
        QCOMPARE(Widget(s.lblMain).palette().color(QPalette::WindowText), QColor(0, 0, 255));
        QCOMPARE(Widget(s.lblQu1).palette().color(QPalette::WindowText), QColor(255, 0, 0));
        QCOMPARE(Widget(s.lblNoList).palette().color(QPalette::WindowText), QColor(0, 0, 255));
    }

    void window_isCentredAndFixed() {
        Open();
        QCOMPARE(window->ClientWidth(), 6000.0f);
        QCOMPARE(Widget(*window).size(), QSize(400, 303));
        QCOMPARE(Widget(*window).minimumSize(), Widget(*window).maximumSize());
        QCOMPARE(window->Top(), (forms::ScreenHeight() - window->OuterHeight()) / 2);
        QCOMPARE(window->Left(), (forms::ScreenWidth() - window->OuterWidth()) / 2);
        QVERIFY(!(Widget(*window).windowFlags() & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(Widget(*window).windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(Widget(*window).windowFlags() & Qt::WindowCloseButtonHint);
    }

    void page1_afterStart() {
        Screen s = Open();
        s.Start();
        QCOMPARE(Caption(*window), Title(1));
        QCOMPARE(s.Shown(), QStringLiteral("lblQu1 lblNoList cmdYes cmdNo"));
        QCOMPARE(Caption(s.lblNoList), FromUtf8(design::CardLine(1)));
        QCOMPARE(Caption(s.lblQu1), FromUtf8(design::kCardQuestion));
        QCOMPARE(Caption(s.cmdYes), FromUtf8(design::kYes));
        QCOMPARE(Caption(s.cmdNo), FromUtf8(design::kNo));
        QCOMPARE(Access::Step(*window), std::int16_t(0));
        QVERIFY(Access::Candidates(*window)[0].empty());
    }

    void pages_turnWithEachAnswer() {
        Screen s = Open();
        s.Start();
        const std::string_view question[] = {design::kCardQuestion,   design::kCardQuestion,
                                             design::kCardQuestion,   design::kCardQuestion,
                                             design::kRange1Question, design::kRange2Question};
        for (int answer = 1; answer <= 6; ++answer) {
            s.Click(answer % 2 ? s.cmdYes : s.cmdNo);
            QCOMPARE(Access::Step(*window), std::int16_t(answer));
            QCOMPARE(Caption(*window), Title(answer + 1));
            const std::string list =
                answer <= 4 ? design::CardLine(answer + 1) : std::string(design::kBlank);
            QCOMPARE(Caption(s.lblNoList), FromUtf8(list));
            QCOMPARE(Caption(s.lblQu1), FromUtf8(question[answer - 1]));
            QCOMPARE(s.lblNoList.FontSize(), 15.75f);
            QCOMPARE(s.lblNoList.Alignment(), TextAlignment::RightJustify);
            QCOMPARE(s.Shown(), QStringLiteral("lblQu1 lblNoList cmdYes cmdNo"));
        }
    }

    void numberScreen() {
        Screen s = Open();
        s.Start();
        s.Answer(37);
        QCOMPARE(Caption(*window), Title(7));
        QCOMPARE(Caption(s.lblNoList), QStringLiteral("37"));
        QCOMPARE(s.lblNoList.Alignment(), TextAlignment::Center);
        QCOMPARE(s.lblNoList.FontSize(), 100.0f);
        QCOMPARE(Caption(s.lblQu1), FromUtf8(design::kYourNumberIs));
        QCOMPARE(Caption(s.cmdYes), FromUtf8(design::kCorrect));
        QCOMPARE(s.Shown(), QStringLiteral("lblQu1 lblNoList cmdYes cmdWrong"));
        QCOMPARE(s.cmdWrong.Left(), design::kWrongLeft);
        QCOMPARE(Access::Step(*window), std::int16_t(7));
    }

    void checkYourselfScreen() {
        Screen s = Open();
        s.Start();
        s.Answer(127);
        QCOMPARE(Caption(*window), Title(7));
        QCOMPARE(Caption(s.lblNoList), FromUtf8(design::kCheckYourself));
        QCOMPARE(s.lblNoList.Alignment(), TextAlignment::Center);
        QCOMPARE(s.lblNoList.FontSize(), 50.0f);
        QCOMPARE(Caption(s.cmdYes), FromUtf8(design::kBack));
        QCOMPARE(s.Shown(), QStringLiteral("lblNoList cmdYes"));
        QCOMPARE(s.cmdWrong.Left(), design::kWrongLeft);
    }

    // The press after the result brings back the start screen; the next
    // game shows the reset question and 16-point lists.
    void resetAndSecondGame() {
        Screen s = Open();
        s.Start();
        s.Answer(37);
        s.Click(s.cmdYes);
        QCOMPARE(Caption(*window), FromUtf8(design::kMainCaption));
        QCOMPARE(s.Shown(), QStringLiteral("lblMain cmdStart"));
        QCOMPARE(Access::Step(*window), std::int16_t(0));
        QVERIFY(!s.cmdYes.Enabled() && !s.cmdNo.Enabled());
        QCOMPARE(Caption(s.cmdYes), FromUtf8(design::kCorrect));
        QCOMPARE(Caption(s.lblNoList), QStringLiteral("37"));
        QCOMPARE(s.lblNoList.Alignment(), TextAlignment::RightJustify);
        QCOMPARE(s.lblNoList.FontSize(), 16.0f);
        QCOMPARE(Caption(s.lblQu1), FromUtf8(design::kCardQuestionAfterReset));
        const engine::TextSlots& candidates = Access::Candidates(*window);
        for (std::size_t i = 0; i <= 45; ++i)
            QCOMPARE(candidates[i], std::string(" "));
        QVERIFY(candidates[46].empty());

        s.Start();
        QCOMPARE(Caption(*window), Title(1));
        QVERIFY(s.cmdYes.Enabled() && s.cmdNo.Enabled());
        QCOMPARE(Caption(s.cmdYes), FromUtf8(design::kYes));
        QCOMPARE(Caption(s.lblQu1), FromUtf8(design::kCardQuestionAfterReset));
        QCOMPARE(s.lblNoList.FontSize(), 16.0f);
        s.Click(s.cmdNo);
        QCOMPARE(Access::Step(*window), std::int16_t(1));
        QCOMPARE(Caption(*window), Title(2));
    }

    // Every answer combination, in the first game of a window and in the
    // game after it.
    void everyCombination() {
        for (int code = 0; code < 128; ++code) {
            Screen s = Open();
            for (int game = 1; game <= 2; ++game) {
                s.Start();
                s.Answer(code);
                const QString expected = Expected(code);
                const QString shown = Caption(s.lblNoList);
                QVERIFY2(shown ==
                             (expected.isEmpty() ? FromUtf8(design::kCheckYourself) : expected),
                         qPrintable(QStringLiteral("code %1, game %2").arg(code).arg(game)));
                QCOMPARE(s.cmdWrong.Visible(), !expected.isEmpty());
                s.Click(s.cmdYes);
            }
            DiscardWindows();
        }
    }

    // A screen reader hears the page, the question and the list.
    void accessibleNames_followCaptions() {
        Screen s = Open();
        s.Start();
        QCOMPARE(Widget(*window).accessibleName(), Title(1));
        QCOMPARE(Widget(s.lblQu1).accessibleName(), Caption(s.lblQu1));
        QCOMPARE(Widget(s.lblNoList).accessibleName(), Caption(s.lblNoList));
        QVERIFY(!Widget(s.cmdStart).accessibleName().isEmpty());
        s.Answer(0);
        QCOMPARE(Widget(s.lblNoList).accessibleName(), QStringLiteral("0"));
        QCOMPARE(Widget(s.cmdYes).accessibleName(), FromUtf8(design::kCorrect));
    }

    // The keyboard alone plays: the focus is on a shown button after every
    // press. A first game with Space, every answer Yes, which no number
    // fits; a second with Return and Enter, Tab once to reach No; a third
    // begins.
    void keyboardAlone_playsGameAfterGame() {
        Screen s = Open();
        const auto press = [this](Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
            QTest::keyClick(Widget(*window).focusWidget(), key, modifiers);
            const QWidget* focus = Widget(*window).focusWidget();
            return focus && focus->isVisible() ? focus->objectName() : QStringLiteral("none");
        };
        QCOMPARE(Widget(*window).focusWidget(), &Widget(s.cmdStart));
        QCOMPARE(press(Qt::Key_Space), QStringLiteral("cmdYes"));
        for (int page = 2; page <= 7; ++page) {
            QCOMPARE(press(Qt::Key_Space), QStringLiteral("cmdYes"));
            QCOMPARE(Caption(*window), Title(page));
        }
        // Start is hidden: a key sent to it does nothing.
        QTest::keyClick(&Widget(s.cmdStart), Qt::Key_Space);
        QCOMPARE(Caption(s.lblQu1), FromUtf8(design::kRange2Question));
        QCOMPARE(press(Qt::Key_Space), QStringLiteral("cmdYes"));
        QCOMPARE(s.Shown(), QStringLiteral("lblNoList cmdYes"));
        QCOMPARE(Caption(s.lblNoList), FromUtf8(design::kCheckYourself));
        QCOMPARE(press(Qt::Key_Space), QStringLiteral("cmdStart"));
        QCOMPARE(s.Shown(), QStringLiteral("lblMain cmdStart"));

        QCOMPARE(press(Qt::Key_Return), QStringLiteral("cmdYes"));
        QCOMPARE(Caption(*window), Title(1));
        QCOMPARE(press(Qt::Key_Tab), QStringLiteral("cmdNo"));
        for (int answer = 1; answer <= 6; ++answer)
            QCOMPARE(answer % 2 ? press(Qt::Key_Return) : press(Qt::Key_Enter, Qt::KeypadModifier),
                     QStringLiteral("cmdNo"));
        // No goes with the last answer; the Wrong button passes the focus on.
        QCOMPARE(press(Qt::Key_Return), QStringLiteral("cmdYes"));
        QCOMPARE(s.Shown(), QStringLiteral("lblQu1 lblNoList cmdYes cmdWrong"));
        QCOMPARE(Caption(s.lblNoList), QStringLiteral("0"));
        QCOMPARE(press(Qt::Key_Return), QStringLiteral("cmdStart"));
        QCOMPARE(s.Shown(), QStringLiteral("lblMain cmdStart"));
        QCOMPARE(Caption(*window), FromUtf8(design::kMainCaption));

        QCOMPARE(press(Qt::Key_Space), QStringLiteral("cmdYes"));
        QCOMPARE(s.Shown(), QStringLiteral("lblQu1 lblNoList cmdYes cmdNo"));
        QCOMPARE(Caption(s.lblQu1), FromUtf8(design::kCardQuestionAfterReset));
    }

    // The blue and red texts stand on the desktop's button face where they
    // can be read on it, on the classic light face where they cannot, and
    // follow the desktop when its palette changes during a game.
    void background_readableOnEveryPalette_data() {
        QTest::addColumn<QColor>("face");
        QTest::addColumn<QColor>("background");
        // Red reads on black (5.3:1) and near-black (4.2:1), blue does not (2.4:1, 1.9:1).
        QTest::newRow("black") << QColor(0, 0, 0) << QColor(240, 240, 240);
        QTest::newRow("near black") << QColor(30, 30, 30) << QColor(240, 240, 240);
        QTest::newRow("dark grey") << QColor(66, 66, 69) << QColor(240, 240, 240);
        QTest::newRow("mid grey") << QColor(200, 200, 200) << QColor(240, 240, 240);
        QTest::newRow("light grey") << QColor(230, 230, 230) << QColor(230, 230, 230);
        QTest::newRow("white") << QColor(255, 255, 255) << QColor(255, 255, 255);
    }
    void background_readableOnEveryPalette() {
        QFETCH(QColor, face);
        QFETCH(QColor, background);
        const QPalette desktop = QApplication::palette();
        const auto restore = qScopeGuard([&desktop] { QApplication::setPalette(desktop); });
        QPalette light = desktop;
        light.setColor(QPalette::Button, QColor(239, 239, 239));
        QApplication::setPalette(light);
        Screen s = Open();
        s.Start();
        // Left of the question and the list.
        const auto drawn = [this] { return Widget(*window).grab().toImage().pixelColor(3, 20); };
        QCOMPARE(drawn(), QColor(239, 239, 239));

        QPalette changed = light;
        changed.setColor(QPalette::Button, face);
        QApplication::setPalette(changed);
        QCOMPARE(drawn(), background);
        QCOMPARE(Widget(s.lblNoList).palette().color(QPalette::WindowText), QColor(0, 0, 255));
        QApplication::setPalette(light);
        QCOMPARE(drawn(), QColor(239, 239, 239));
    }

    // Long range questions stay on one line inside the question label.
    void rangeQuestion_fitsTheLabel() {
        Screen s = Open();
        s.Start();
        for (int answer = 1; answer <= 6; ++answer) {
            s.Click(s.cmdYes);
            const QFontMetricsF metrics(DrawnFont(s.lblQu1));
            QVERIFY(metrics.horizontalAdvance(Caption(s.lblQu1)) <= Widget(s.lblQu1).width() + 0.5);
            QVERIFY(metrics.ascent() + metrics.descent() <= Widget(s.lblQu1).height() + 6);
        }
    }
};

QTEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
