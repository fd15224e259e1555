// SPDX-License-Identifier: MIT
// The yardstick: a Qt Widgets program that shows one empty top-level window
// with the client size of the game's main window (400 x 303 pixels, 6000 x
// 4545 twips at 96 DPI), and nothing else.
//
// Built a second time with VELKARO_BARE_WITH_TEXT: the same window with one
// label of Arabic text in the game's stand-in face, which is what showing any
// text costs (the font set-up and the face).
#include <QApplication>
#include <QWidget>

#ifdef VELKARO_BARE_WITH_TEXT
#include <QLabel>

#include "Texts.h"
#endif

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(400, 303);
#ifdef VELKARO_BARE_WITH_TEXT
    QLabel label(QString::fromUtf8(texts::kInstruction.data(),
                                   static_cast<qsizetype>(texts::kInstruction.size())),
                 &window);
    label.setFont(QFont(QStringLiteral("Amiri"), 12, QFont::Bold));
    label.setWordWrap(true);
    label.setGeometry(75, 0, 250, 57);
#endif
    window.show();
    return QApplication::exec();
}
