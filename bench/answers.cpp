// SPDX-License-Identifier: MIT
// Answer handling: whole games in the main window (Start, seven answers
// chosen at random, then Correct or Back), played by mouse clicks, one game
// per benchmark iteration: the clicks with no events handled between them
// (their repaints pile up and merge), and each click with the repaint it
// causes, flushed and drawn by the X server. Qt Test's back ends count
// instructions or CPU events instead of time: -callgrind, -perf.
#include <random>

#include "BenchSupport.h"
#include "TestAccess.h"
#include "forms/Application.h"

class AnswersBench : public QObject {
    Q_OBJECT
    std::mt19937 random_{1};

private slots:
    void game_data() {
        QTest::addColumn<bool>("repaint");
        QTest::newRow("9 clicks, no events between") << false;
        QTest::newRow("9 clicks, each repainted") << true;
    }
    void game() {
        QFETCH(bool, repaint);
        auto* window = new frmMainVelkaro;
        ShowAndWait(*window);
        QWidget& start = Control(*window, "cmdStart");
        QWidget* answer[] = {&Control(*window, "cmdNo"), &Control(*window, "cmdYes")};
        const auto press = [repaint](QWidget* button) {
            QTest::mouseClick(button, Qt::LeftButton);
            if (repaint) {
                QCoreApplication::processEvents();
                bench::XRoundTrip();
            }
        };
        QBENCHMARK {
            press(&start);
            for (int question = 0; question < 7; ++question)
                press(answer[random_() & 1]);
            press(answer[1]); // Correct, or Back on the check-yourself screen
        }
        QVERIFY(start.isVisible());
        DiscardWindows();
    }
};

int main(int argc, char* argv[]) {
    forms::PreparePlatform(); // as the game does
    QApplication app(argc, argv);
    AnswersBench bench;
    return QTest::qExec(&bench, argc, argv);
}

#include "answers.moc"
