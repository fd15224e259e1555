// SPDX-License-Identifier: MIT
// Closing the game: the About window takes over, scrolls its greeting, and
// a click anywhere in it or a key ends the program.
#include "TestAccess.h"

#include "forms/Label.h"
#include "forms/Twips.h"

using forms::Label;
using Access = frmAboutTestAccess;

class AboutTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { DiscardWindows(); }

    void closingTheGame_handsOver_data() {
        QTest::addColumn<int>("answers");
        QTest::newRow("start screen") << -1;
        QTest::newRow("page 4") << 3;
        QTest::newRow("number screen") << 7;
    }
    void closingTheGame_handsOver() {
        QFETCH(int, answers);
        frmMainVelkaro* main = OpenMain();
        const QPointer<QWidget> shown = &Widget(*main);
        if (answers >= 0) {
            QTest::mouseClick(&Control(*main, "cmdStart"), Qt::LeftButton);
            for (int i = 0; i < answers; ++i)
                QTest::mouseClick(&Control(*main, "cmdYes"), Qt::LeftButton);
        }
        QVERIFY(shown->close());
        QTRY_VERIFY(shown.isNull()); // the main window is gone with its widget
        frmAbout& about = frmAbout::Instance();
        QVERIFY(about.Visible());
        // The program goes on: nothing has ended the event loop.
        QCOMPARE(RunUntilEnd([] {}), -1);
        QVERIFY(about.Visible());
    }

    void window_asDesigned() {
        frmAbout& about = OpenAbout();
        QVERIFY(Widget(about).windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(Widget(about).windowFlags() & Qt::WindowType_Mask, Qt::Tool);
        QCOMPARE(about.ClientWidth(), 5355.0f);
        QCOMPARE(Widget(about).contentsRect().size(), QSize(357, 223));
        QCOMPARE(about.Top(), (forms::ScreenHeight() - about.OuterHeight()) / 2);
        QCOMPARE(about.Left(), (forms::ScreenWidth() - about.OuterWidth()) / 2);
        // The Exit button lies below the client area, yet holds the focus.
        auto& exit = Control<forms::CommandButton>(about, "Command1");
        QVERIFY(exit.Visible() && exit.Enabled());
        QVERIFY(Widget(exit).geometry().top() >= Widget(about).contentsRect().bottom());
        QTRY_COMPARE(QApplication::focusWidget(), &Widget(exit));
    }

    void greeting_scrolls() {
        frmAbout& about = AboutWithGreetingStopped();
        Label& greeting = Control<Label>(about, "Label7");
        QCOMPARE(greeting.Left(), -3360.0f);
        Access::Tick(about);
        QCOMPARE(greeting.Left(), -3310.0f);

        // Equal to the outer width is not past it; the tick after is.
        const float W = about.OuterWidth();
        greeting.SetLeft(W);
        Access::Tick(about);
        QCOMPARE(greeting.Left(), W + 50);
        Access::Tick(about);
        QCOMPARE(greeting.Left(), -3550.0f);
    }

    void greeting_movesWithTheTimer() {
        frmAbout& about = OpenAbout();
        Label& greeting = Control<Label>(about, "Label7");
        QCOMPARE(Access::Timer(about).Interval(), 10);
        QTRY_VERIFY(greeting.Left() > -3360.0f + 200);
        const float moved = greeting.Left() + 3360.0f;
        QCOMPARE(std::fmod(moved, 50.0f), 0.0f);
    }

    // A tick repaints the greeting's strip, not the whole window.
    void tick_repaintsOnlyTheGreeting() {
        frmAbout& about = AboutWithGreetingStopped();
        QTest::qWait(50); // let the first showing's paints settle
        struct PaintWatch : QObject {
            QRegion painted;
            bool eventFilter(QObject*, QEvent* event) override {
                if (event->type() == QEvent::Paint)
                    painted += static_cast<QPaintEvent*>(event)->region();
                return false;
            }
        } watch;
        Widget(about).installEventFilter(&watch);
        Label& greeting = Control<Label>(about, "Label7");
        const int x = Widget(greeting).x();
        while (Widget(greeting).x() == x)
            Access::Tick(about);
        QTRY_VERIFY(!watch.painted.isEmpty());
        const QRect strip = watch.painted.boundingRect();
        QVERIFY2(strip.height() <= Widget(greeting).height() + 2,
                 qPrintable(QString::number(strip.height())));
        QVERIFY(strip.top() >= Widget(greeting).y() - 1);
        Widget(about).removeEventFilter(&watch);
    }

    void eachWayOfEnding_data() {
        QTest::addColumn<QString>("target"); // a control, or "" for the window
        QTest::addColumn<QPoint>("at");      // in the target, or the window
        QTest::addColumn<int>("key");        // a key instead of a click
        QTest::newRow("title") << "Label1" << QPoint(100, 20) << 0;
        QTest::newRow("credits") << "Label5" << QPoint(280, 8) << 0;
        QTest::newRow("greeting") << "Label7" << QPoint(260, 8) << 0;
        QTest::newRow("mobile") << "Label8" << QPoint(50, 8) << 0;
        QTest::newRow("e-mail") << "Label9" << QPoint(100, 8) << 0;
        QTest::newRow("frame") << "Frame1" << QPoint(10, 55) << 0;
        QTest::newRow("empty spot") << "" << QPoint(10, 150) << 0;
        QTest::newRow("lines") << "" << QPoint(200, 184) << 0;
        QTest::newRow("a key") << "" << QPoint() << int(Qt::Key_A);
        QTest::newRow("Space on Exit") << "Command1" << QPoint() << int(Qt::Key_Space);
    }
    void eachWayOfEnding() {
        QFETCH(QString, target);
        QFETCH(QPoint, at);
        QFETCH(int, key);
        frmAbout& about = AboutWithGreetingStopped(); // the greeting stays where the click aims
        QWidget* widget = target.isEmpty() ? &Widget(about) : &Control(about, qPrintable(target));
        if (target.isEmpty() && !at.isNull())
            at += Widget(about).contentsRect().topLeft();
        const int result = RunUntilEnd([&] {
            if (key)
                QTest::keyClick(key == Qt::Key_Space ? widget : QApplication::focusWidget(),
                                Qt::Key(key));
            else
                QTest::mouseClick(widget, Qt::LeftButton, {}, at);
        });
        QCOMPARE(result, 0);
        QVERIFY(!about.Visible());
        QVERIFY(!forms::qt::Widget(about).findChild<QTimer*>()->isActive());
    }
};

QTEST_MAIN(AboutTest)
#include "tst_about.moc"
