// SPDX-License-Identifier: MIT
// What a screen reader is told while a game is played by keyboard: what each
// screen says at once, what the button that takes the focus says, and where
// the focus ends; and what the About window says.
//
// Qt tells nothing unless its platform accessibility is active, which the
// offscreen platform lacks: this test runs on X11 (under Xvfb) and switches
// it on as Qt's own tests do, with nothing listening on D-Bus.
#include <QAccessible>
#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

#include "TestAccess.h"

namespace {

// Everything Qt would tell a screen reader: the notifications, with what
// they said at the time and whether their window was the active one then,
// and the controls reported as taking the focus.
QStringList spoken;
QList<bool> spokenWhileActive;
QList<QObject*> focusEvents;

void Hear(QAccessibleEvent* event) {
    if (event->type() == QAccessible::ObjectShow) {
        QAccessibleInterface* object = event->accessibleInterface();
        if (object && object->role() == QAccessible::Notification) {
            spoken << object->text(QAccessible::Name);
            const auto* widget = qobject_cast<const QWidget*>(event->object());
            spokenWhileActive << (widget && widget->window()->isActiveWindow());
        }
    } else if (event->type() == QAccessible::Focus) {
        focusEvents << event->object();
    }
}

void StartListening() {
    QCoreApplication::processEvents();
    spoken.clear();
    spokenWhileActive.clear();
    focusEvents.clear();
}

QString Utf8(const char* text) {
    return QString::fromUtf8(text);
}

// The numbers of a card, in order.
QString Card(int card) {
    QStringList numbers;
    for (int n = 0; n <= 90; ++n)
        if (answer_codes::OnCard(n, card))
            numbers << QString::number(n);
    return numbers.join(QLatin1Char(' '));
}

QString Title(int page) {
    return Utf8("صفحة %1 من 7").arg(page);
}

const QString kCardQuestion = Utf8("هل رقمك موجود ضمن هذه الأرقام؟");
QString CardPage(int card) {
    return kCardQuestion + QLatin1Char(' ') + Card(card);
}
const QString kRange1 = Utf8("هل رقمك يقع ضمن الأرقام من 32 إلى 63");
const QString kRange2 = Utf8("هل رقمك يقع ضمن الأرقام من 64 إلى 90");
const QString kInstruction =
    Utf8("هل تريدني أن أعرف ما يدور في ذهنك ؟ فكر في رقم من 0 إلى 90 ثم اضغط الزر");

QString Description(QWidget* control) {
    QAccessibleInterface* object = QAccessible::queryAccessibleInterface(control);
    return object ? object->text(QAccessible::Description) : QString();
}

// A key as a blind player gives it: S presses Start; Y and N move the focus
// to Yes or No with Tab, if it is not there, and press it with Space.
void Press(QWidget& window, QChar key) {
    const char* name = key == QLatin1Char('S')   ? "cmdStart"
                       : key == QLatin1Char('Y') ? "cmdYes"
                                                 : "cmdNo";
    QWidget& button = Control(window, name);
    for (int i = 0; i < 4 && QApplication::focusWidget() != &button; ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), &button);
    QTest::keyClick(&button, Qt::Key_Space);
    QCoreApplication::processEvents();
}

// Xvfb has no window manager to make a shown window the active one.
bool Activate(QWidget& window) {
    if (!QTest::qWaitForWindowExposed(&window))
        return false;
    QApplication::setActiveWindow(&window);
    return QApplication::activeWindow() == &window;
}

} // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT
    frmMainVelkaro* window = nullptr;

private slots:
    void initTestCase() {
        QPlatformAccessibility* platform =
            QGuiApplicationPrivate::platformIntegration()->accessibility();
        if (!platform)
            QSKIP("this platform tells screen readers nothing");
        QAccessible::installUpdateHandler(&Hear);
        platform->setActive(true);
        QVERIFY(QAccessible::isActive());
    }
    void init() {
        window = new frmMainVelkaro;
        Widget(*window).show();
        QVERIFY(Activate(Widget(*window)));
    }
    void cleanup() { DiscardWindows(); }

    // One row a screen of a game, reached by the keys before its last one.
    void screens_data() {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QStringList>("said");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<QString>("description");
        const QStringList none;
        QTest::newRow("start screen") << "" << none << "cmdStart" << kInstruction;
        QTest::newRow("page 1") << "S" << QStringList{Title(1)} << "cmdYes" << CardPage(1);
        QTest::newRow("page 2") << "SY" << QStringList{Title(2) + ". " + CardPage(2)} << "cmdYes"
                                << CardPage(2);
        QTest::newRow("page 3") << "SYN" << QStringList{Title(3) + ". " + CardPage(3)} << "cmdNo"
                                << CardPage(3);
        QTest::newRow("page 4") << "SYNY" << QStringList{Title(4) + ". " + CardPage(4)} << "cmdYes"
                                << CardPage(4);
        QTest::newRow("page 5") << "SYNYN" << QStringList{Title(5) + ". " + CardPage(5)} << "cmdNo"
                                << CardPage(5);
        QTest::newRow("page 6") << "SYNYNN" << QStringList{Title(6) + ". " + kRange1} << "cmdNo"
                                << kRange1;
        QTest::newRow("page 7") << "SYNYNNY" << QStringList{Title(7) + ". " + kRange2} << "cmdYes"
                                << kRange2;
        // No goes with the last answer: the Wrong button hands the focus on.
        QTest::newRow("number after No")
            << "SYNYNNYN" << QStringList{Utf8("رقمك هــو. 37")} << "cmdYes"
            << "";
        QTest::newRow("number after Yes")
            << "SNNNNNNY" << QStringList{Utf8("رقمك هــو. 64")} << "cmdYes"
            << "";
        QTest::newRow("check yourself") << "SYYYYYYY" << QStringList{Utf8("راجع نفسك!")} << "cmdYes"
                                        << "";
        QTest::newRow("start again") << "SYYYYYYYY" << none << "cmdStart" << kInstruction;
    }
    void screens() {
        QFETCH(QString, keys);
        QFETCH(QStringList, said);
        QFETCH(QString, focus);
        QFETCH(QString, description);
        if (!keys.isEmpty()) {
            for (QChar key : keys.chopped(1))
                Press(Widget(*window), key);
            StartListening();
            Press(Widget(*window), keys.back());
        }
        QCOMPARE(spoken, said);
        QWidget* focused = QApplication::focusWidget();
        QCOMPARE(focused, &Control(*window, focus.toLatin1()));
        // The last control reported as taking the focus is the one that has it.
        if (!focusEvents.isEmpty())
            QCOMPARE(focusEvents.last(), focused);
        QCOMPARE(Description(focused), description);
        // Yes and No answer the same question.
        QCOMPARE(Description(&Control(*window, "cmdNo")), Description(&Control(*window, "cmdYes")));
    }

    // Tab and Shift+Tab reach the Wrong button, which hands the focus back:
    // the focus a screen reader is told of ends on Correct.
    void numberScreen_focusEndsOnCorrect_data() {
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::newRow("Tab") << Qt::KeyboardModifiers();
        QTest::newRow("Shift+Tab") << Qt::KeyboardModifiers(Qt::ShiftModifier);
    }
    void numberScreen_focusEndsOnCorrect() {
        QFETCH(Qt::KeyboardModifiers, modifiers);
        for (QChar key : QStringLiteral("SYNYNNYN"))
            Press(Widget(*window), key);
        QWidget* correct = &Control(*window, "cmdYes");
        QCOMPARE(QApplication::focusWidget(), correct);
        StartListening();
        QTest::keyClick(correct, Qt::Key_Tab, modifiers);
        QCoreApplication::processEvents();
        QCOMPARE(QApplication::focusWidget(), correct);
        QVERIFY(focusEvents.contains(&Control(*window, "cmdWrong")));
        QCOMPARE(focusEvents.last(), correct);
    }

    // The About window is named by the title and says its other texts once,
    // in reading order, however long the greeting scrolls.
    void about_saysItsTextsOnce() {
        StartListening();
        window->Close();
        frmAbout& about = frmAbout::Instance();
        QVERIFY(Activate(Widget(about)));
        QCOMPARE(QAccessible::queryAccessibleInterface(&Widget(about))->text(QAccessible::Name),
                 Utf8("Velkaro"));
        QTRY_COMPARE(spoken.size(), 1);
        // Said once the window is shown and active, not while it was made.
        QVERIFY(spokenWhileActive.value(0));
        qsizetype at = 0;
        for (const char* label : {"Label5", "Label9", "Label8", "Label7"}) {
            const QString text = Caption(Control<forms::Label>(about, label)).trimmed();
            at = spoken[0].indexOf(text, at);
            QVERIFY2(at >= 0, label);
        }
        for (int tick = 0; tick < 300; ++tick)
            frmAboutTestAccess::Tick(about);
        QCoreApplication::processEvents();
        QCOMPARE(spoken.size(), 1);
    }
};

QTEST_MAIN(AccessibilityTest)
#include "tst_accessibility.moc"
