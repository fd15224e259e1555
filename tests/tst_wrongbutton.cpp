// SPDX-License-Identifier: MIT
// The Wrong button on the number screen: it jumps away from every movement
// of the pointer and hands any keyboard focus to the Correct button.
#include "TestAccess.h"

using design::kWrongLeft;
using design::kWrongRight;
using design::WrongButtonAt;
using forms::CommandButton;

class WrongButtonTest : public QObject {
    Q_OBJECT
    frmMainVelkaro* window = nullptr;
    CommandButton* yes = nullptr;
    CommandButton* wrong = nullptr;

    // The pointer moves to the middle of where the button stands at left.
    void PointAt(float left) {
        QTest::mouseMove(&Widget(*window), Pixels(WrongButtonAt(left)).center());
    }

    void NumberScreen() { Play(*window, 0); }

private slots:
    void init() {
        window = OpenMain();
        QVERIFY(QTest::qWaitForWindowActive(&Widget(*window)));
        yes = &Control<CommandButton>(*window, "cmdYes");
        wrong = &Control<CommandButton>(*window, "cmdWrong");
        QTest::mouseMove(&Widget(*window), QPoint(390, 5)); // out of the way
        NumberScreen();
        QVERIFY(Widget(*wrong).isVisible());
        QCOMPARE(wrong->Left(), kWrongLeft);
    }
    void cleanup() { DiscardWindows(); }

    void jumpsBetweenItsTwoPlaces() {
        PointAt(kWrongLeft);
        QCOMPARE(wrong->Left(), kWrongRight);
        QCOMPARE(Widget(*wrong).geometry(), Pixels(WrongButtonAt(kWrongRight)));
        // Where it stood nothing is left to move over.
        QTest::mouseMove(&Widget(*window),
                         Pixels(WrongButtonAt(kWrongLeft)).center() + QPoint(5, 3));
        QCOMPARE(wrong->Left(), kWrongRight);
        PointAt(kWrongRight);
        QCOMPARE(wrong->Left(), kWrongLeft);
    }

    // A pointer resting where the button appears raises nothing; its next
    // movement, even without entering anew, sends the button off.
    void everyMovementCounts() {
        PointAt(kWrongLeft);
        QCOMPARE(wrong->Left(), kWrongRight);
        wrong->SetLeft(kWrongLeft); // back under the resting pointer
        QCOMPARE(wrong->Left(), kWrongLeft);
        QTest::mouseMove(&Widget(*window),
                         Pixels(WrongButtonAt(kWrongLeft)).center() + QPoint(1, 0));
        QCOMPARE(wrong->Left(), kWrongRight);
    }

    void otherPlacesAreLeftAlone() {
        wrong->SetLeft(1000.5f);
        PointAt(1000.5f);
        QCOMPARE(wrong->Left(), 1000.5f);
    }

    void tabNeverStopsOnIt_data() {
        QTest::addColumn<bool>("backwards");
        QTest::newRow("Tab") << false;
        QTest::newRow("Shift+Tab") << true;
    }
    void tabNeverStopsOnIt() {
        QFETCH(bool, backwards);
        Widget(*yes).setFocus();
        for (int i = 0; i < 6; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab,
                            backwards ? Qt::ShiftModifier : Qt::NoModifier);
            QVERIFY(QApplication::focusWidget() != &Widget(*wrong));
        }
    }

    // A click that reaches the button without a movement first (it appears
    // under a resting pointer) only moves the focus to the Correct button.
    void clickOnlyMovesTheFocus() {
        PointAt(kWrongLeft);
        QCOMPARE(wrong->Left(), kWrongRight);
        wrong->SetLeft(kWrongLeft);
        Widget(*yes).clearFocus();
        const QPoint spot = Pixels(WrongButtonAt(kWrongLeft)).center();
        QTest::mouseClick(&Widget(*wrong), Qt::LeftButton, {},
                          Widget(*wrong).mapFrom(&Widget(*window), spot));
        QCOMPARE(QApplication::focusWidget(), &Widget(*yes));
        QCOMPARE(wrong->Left(), kWrongLeft);
        QVERIFY(Widget(*wrong).isVisible());
        QCOMPARE(frmMainVelkaroTestAccess::Step(*window), std::int16_t(7));
        QCOMPARE(Caption(*window), QString::fromUtf8("صفحة 7 من 7"));
    }

    void focusGivenAnyWayGoesOn() {
        Widget(*wrong).setFocus(Qt::OtherFocusReason);
        QCOMPARE(QApplication::focusWidget(), &Widget(*yes));
    }

    void nextNumberScreenStartsAt709() {
        PointAt(kWrongLeft);
        QCOMPARE(wrong->Left(), kWrongRight);
        QTest::mouseMove(&Widget(*window), QPoint(390, 5));
        QTest::mouseClick(&Widget(*yes), Qt::LeftButton); // Correct: the start screen
        QVERIFY(!Widget(*wrong).isVisible());
        QCOMPARE(wrong->Left(), kWrongRight);
        NumberScreen();
        QCOMPARE(wrong->Left(), kWrongLeft);
    }
};

QTEST_MAIN(WrongButtonTest)
#include "tst_wrongbutton.moc"
