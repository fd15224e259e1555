// SPDX-License-Identifier: MIT
// A restless player: clicks whatever button is there, moves the pointer all
// over the window (the Wrong button included), presses Tab, Shift+Tab, Space
// and Return, now and then starts the program afresh or closes it. After
// every event the window must show a state the game can be in, and the state
// the player's answers led to.
//
// The run is reproducible: it prints its seed, and a failure prints the seed,
// the event index and the events before it. Replay or lengthen a run with
// this command, on one line:
//   QT_QPA_PLATFORM=offscreen QTEST_FUNCTION_TIMEOUT=3600000
//   VELKARO_SEED=<seed> VELKARO_EVENTS=<count> build/debug/tests/tst_randomplay
// 100,000 events by default. A million take two to four minutes in a debug
// build, near or past Qt Test's limit of five minutes for one test function,
// which QTEST_FUNCTION_TIMEOUT (milliseconds) lifts.
#include "TestAccess.h"

#include <deque>
#include <functional>
#include <random>

#include "AnswerCodes.h"
#include "forms/Twips.h"

using forms::CommandButton;
using forms::Label;
using Access = frmMainVelkaroTestAccess;

namespace {

constexpr std::uint32_t kDefaultSeed = 20240607;
// About 12 s in a debug build, 25 s with the sanitizers.
constexpr long kDefaultEvents = 100000;

// The whole number (0 or more) in an environment variable, or the fallback.
long long FromEnvironment(const char* name, long long fallback) {
    bool ok = false;
    const long long value = qEnvironmentVariable(name).toLongLong(&ok);
    return ok && value >= 0 ? value : fallback;
}

bool IsCandidateText(const std::string& slot) {
    if (slot.empty() || slot == " ")
        return true;
    if (slot.size() > 2 || (slot.size() == 2 && slot[0] == '0'))
        return false;
    int value = 0;
    for (char c : slot) {
        if (c < '0' || c > '9')
            return false;
        value = value * 10 + (c - '0');
    }
    return value <= 90;
}

// Where the game is, as the player has played it.
struct Model {
    enum class Where { StartScreen, Page, Result };
    Where where = Where::StartScreen;
    int page = 0;       // 1 to 7 on a page
    int code = 0;       // the answers so far, bit i for question i + 1
    bool reset = false; // a game has ended in this window

    // The player pressed a button; one that does nothing here changes nothing.
    void Press(const QString& button) {
        switch (where) {
        case Where::StartScreen:
            if (button == QLatin1String("cmdStart")) {
                where = Where::Page;
                page = 1;
                code = 0;
            }
            break;
        case Where::Page:
            if (button == QLatin1String("cmdYes") || button == QLatin1String("cmdNo")) {
                if (button == QLatin1String("cmdYes"))
                    code |= 1 << (page - 1);
                if (++page > 7)
                    where = Where::Result;
            }
            break;
        case Where::Result:
            if (button == QLatin1String("cmdYes")) {
                where = Where::StartScreen;
                reset = true;
            }
            break;
        }
    }
};

class Player {
public:
    Player(std::uint32_t seed, long events)
        : seed_(seed)
        , events_(events)
        , random_(seed) {}

    // Plays the whole run; the first fault found, or an empty text.
    QString Play() {
        Launch();
        for (index_ = 0; index_ < events_; ++index_) {
            Act();
            // Now and then the window paints what the events changed.
            if (index_ % 128 == 0)
                QCoreApplication::processEvents();
            const QString fault = Check();
            if (!fault.isEmpty())
                return Report(fault);
        }
        DiscardWindows();
        return {};
    }

    int Games() const { return games_; }
    int Launches() const { return launches_; }
    int Closes() const { return closes_; }

private:
    struct Controls {
        Label* lblMain;
        Label* lblQu1;
        Label* lblNoList;
        CommandButton* cmdYes;
        CommandButton* cmdNo;
        CommandButton* cmdStart;
        CommandButton* cmdWrong;
    };

    // A fresh main window, as the program opens it at launch.
    void Launch() {
        DiscardWindows();
        window_ = OpenMain();
        c_ = {&Control<Label>(*window_, "lblMain"),
              &Control<Label>(*window_, "lblQu1"),
              &Control<Label>(*window_, "lblNoList"),
              &Control<CommandButton>(*window_, "cmdYes"),
              &Control<CommandButton>(*window_, "cmdNo"),
              &Control<CommandButton>(*window_, "cmdStart"),
              &Control<CommandButton>(*window_, "cmdWrong")};
        model_ = Model();
        ++launches_;
    }

    int Uniform(int from, int to) { return std::uniform_int_distribution<int>(from, to)(random_); }

    void Log(const QString& event) {
        recent_.push_back(QStringLiteral("%1: %2").arg(index_).arg(event));
        if (recent_.size() > 24)
            recent_.pop_front();
    }

    static bool Pressable(const QWidget* button) {
        return button->isVisible() && button->isEnabled();
    }
    static bool Pressable(const CommandButton* button) { return Pressable(&Widget(*button)); }

    void Act() {
        const int roll = Uniform(0, 9999);
        if (roll < 3500)
            ClickAButton();
        else if (roll < 5500)
            MoveOverWrong();
        else if (roll < 7000)
            MoveAnywhere();
        else if (roll < 7900)
            Key(Qt::Key_Tab, Qt::NoModifier);
        else if (roll < 8700)
            Key(Qt::Key_Tab, Qt::ShiftModifier);
        else if (roll < 9500)
            Key(Qt::Key_Space, Qt::NoModifier);
        else if (roll < 9994)
            Key(Qt::Key_Return, Qt::NoModifier);
        else if (roll < 9998) {
            Log(QStringLiteral("a new main window"));
            Launch();
        } else
            CloseAndEnd();
    }

    void ClickAButton() {
        std::vector<CommandButton*> shown;
        for (CommandButton* button : {c_.cmdYes, c_.cmdNo, c_.cmdStart, c_.cmdWrong})
            if (Pressable(button))
                shown.push_back(button);
        if (shown.empty()) {
            Log(QStringLiteral("no button to click"));
            return;
        }
        CommandButton* button = shown[std::size_t(Uniform(0, int(shown.size()) - 1))];
        const QString name = QString::fromStdString(button->Name());
        Log(QStringLiteral("click %1 (Left %2)").arg(name).arg(double(button->Left())));
        QTest::mouseClick(&Widget(*button), Qt::LeftButton);
        if (button != c_.cmdWrong)
            Pressed(name);
    }

    void Pressed(const QString& name) {
        const Model::Where before = model_.where;
        model_.Press(name);
        if (before == Model::Where::Result && model_.where == Model::Where::StartScreen)
            ++games_;
    }

    void MoveOverWrong() {
        const QRect box = Widget(*c_.cmdWrong).geometry();
        const QPoint at(Uniform(box.left(), box.right()), Uniform(box.top(), box.bottom()));
        Log(QStringLiteral("move to %1,%2 over the Wrong button's place (Left %3, %4)")
                .arg(at.x())
                .arg(at.y())
                .arg(double(c_.cmdWrong->Left()))
                .arg(Widget(*c_.cmdWrong).isVisible() ? "shown" : "hidden"));
        QTest::mouseMove(&Widget(*window_), at);
    }

    void MoveAnywhere() {
        const QWidget& window = Widget(*window_);
        const QPoint at(Uniform(0, window.width() - 1), Uniform(0, window.height() - 1));
        Log(QStringLiteral("move to %1,%2").arg(at.x()).arg(at.y()));
        QTest::mouseMove(&Widget(*window_), at);
    }

    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers) {
        QWidget* window = &Widget(*window_);
        QWidget* focus = QApplication::focusWidget();
        QWidget* target = focus && focus->window() == window ? focus : window;
        Log(QStringLiteral("key %1%2 on %3")
                .arg(modifiers & Qt::ShiftModifier ? "Shift+" : "")
                .arg(QKeySequence(key).toString())
                .arg(target->objectName().isEmpty() ? QStringLiteral("the window")
                                                    : target->objectName()));
        // Space and Return press the button with the focus.
        const bool presses = (key == Qt::Key_Space || key == Qt::Key_Return) && target != window &&
                             qobject_cast<QPushButton*>(target) && Pressable(target);
        QTest::keyClick(target, key, modifiers);
        if (presses)
            Pressed(target->objectName());
    }

    // The player closes the game: the About window takes over and a click in
    // it ends the program. Then the program is started again.
    void CloseAndEnd() {
        Log(QStringLiteral("close the main window, click in the About window"));
        QPointer<QWidget> closed = &Widget(*window_);
        closed->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        if (!closed.isNull()) {
            fault_ = QStringLiteral("the closed main window lives on");
            return;
        }
        frmAbout& about = frmAbout::Instance();
        if (!about.Visible()) {
            fault_ = QStringLiteral("closing the main window showed no About window");
            return;
        }
        const int result = RunUntilEnd(
            [&about] { QTest::mouseClick(&Widget(about), Qt::LeftButton, {}, QPoint(20, 150)); });
        if (result != 0 || about.Visible()) {
            fault_ = QStringLiteral("a click in the About window did not end the program (%1)")
                         .arg(result);
            return;
        }
        ++closes_;
        Launch();
    }

    // The first broken rule, or an empty text.
    QString Check() {
        if (!fault_.isEmpty())
            return fault_;
        const int step = Access::Step(*window_);
        if (step < 0 || step > 7)
            return QStringLiteral("intStep is %1").arg(step);

        // The Wrong button: in one of its two places, never with the focus.
        const float left = c_.cmdWrong->Left();
        if (left != design::kWrongLeft && left != design::kWrongRight)
            return QStringLiteral("the Wrong button stands at Left %1").arg(double(left));
        if (Widget(*c_.cmdWrong).geometry() != Pixels(design::WrongButtonAt(left)))
            return QStringLiteral("the Wrong button's pixels do not follow its Left");
        const QWidget* wrong = &Widget(*c_.cmdWrong);
        if (QApplication::focusWidget() == wrong || Widget(*window_).focusWidget() == wrong)
            return QStringLiteral("the Wrong button holds the focus");

        // The candidates: numbers, the blank marker or nothing; slot 46 empty.
        const engine::TextSlots& candidates = Access::Candidates(*window_);
        for (std::size_t i = 0; i < candidates.size(); ++i)
            if (!IsCandidateText(candidates[i]))
                return QStringLiteral("candidate slot %1 holds \"%2\"")
                    .arg(i)
                    .arg(QString::fromStdString(candidates[i]));
        if (!candidates[46].empty())
            return QStringLiteral("candidate slot 46 holds \"%1\"")
                .arg(QString::fromStdString(candidates[46]));

        // Every button the player sees can be pressed.
        for (const CommandButton* button : {c_.cmdYes, c_.cmdNo, c_.cmdStart})
            if (button->Visible() && !button->Enabled())
                return QStringLiteral("%1 is shown but disabled")
                    .arg(QString::fromStdString(button->Name()));

        const QString shown = Shown(*window_);
        const QString caption = Caption(*window_);
        const QString list = Caption(*c_.lblNoList);
        const QString question = Caption(*c_.lblQu1);
        const auto expect = [](bool ok, const QString& what) { return ok ? QString() : what; };
        switch (model_.where) {
        case Model::Where::StartScreen:
            if (shown != QLatin1String("lblMain cmdStart"))
                return QStringLiteral("the start screen shows %1").arg(shown);
            if (step != 0)
                return QStringLiteral("intStep %1 on the start screen").arg(step);
            return expect(caption == FromUtf8(design::kMainCaption),
                          QStringLiteral("the start screen is titled %1").arg(caption));
        case Model::Where::Page: {
            const int page = model_.page;
            if (shown != QLatin1String("lblQu1 lblNoList cmdYes cmdNo"))
                return QStringLiteral("page %1 shows %2").arg(page).arg(shown);
            if (step != page - 1)
                return QStringLiteral("intStep %1 on page %2").arg(step).arg(page);
            if (caption != FromUtf8(design::PageTitle(page)))
                return QStringLiteral("page %1 is titled %2").arg(page).arg(caption);
            const QString expectedList =
                FromUtf8(page <= 5 ? design::CardLine(page) : std::string(design::kBlank));
            if (list != expectedList)
                return QStringLiteral("page %1 lists \"%2\"").arg(page).arg(list);
            const std::string_view expectedQuestion = page == 6   ? design::kRange1Question
                                                      : page == 7 ? design::kRange2Question
                                                      : model_.reset
                                                          ? design::kCardQuestionAfterReset
                                                          : design::kCardQuestion;
            return expect(question == FromUtf8(expectedQuestion),
                          QStringLiteral("page %1 asks \"%2\"").arg(page).arg(question));
        }
        case Model::Where::Result: {
            if (step != 7)
                return QStringLiteral("intStep %1 on the result").arg(step);
            if (caption != FromUtf8(design::PageTitle(7)))
                return QStringLiteral("the result is titled %1").arg(caption);
            const QString number = QString::fromStdString(answer_codes::NumberNamed(model_.code));
            if (number.isEmpty()) {
                if (shown != QLatin1String("lblNoList cmdYes"))
                    return QStringLiteral("the check-yourself screen shows %1").arg(shown);
                return expect(list == FromUtf8(design::kCheckYourself),
                              QStringLiteral("answers %1 show \"%2\", not check-yourself")
                                  .arg(model_.code)
                                  .arg(list));
            }
            if (shown != QLatin1String("lblQu1 lblNoList cmdYes cmdWrong"))
                return QStringLiteral("the number screen shows %1").arg(shown);
            return expect(list == number, QStringLiteral("answers %1 show \"%2\", not %3")
                                              .arg(model_.code)
                                              .arg(list, number));
        }
        }
        return {};
    }

    QString Report(const QString& fault) const {
        QString report = QStringLiteral("%1\n  seed %2, event %3 of %4; replay with "
                                        "VELKARO_SEED=%2 VELKARO_EVENTS=%5\n  events before it:")
                             .arg(fault)
                             .arg(seed_)
                             .arg(index_)
                             .arg(events_)
                             .arg(index_ + 1);
        for (const QString& event : recent_)
            report += QStringLiteral("\n    ") + event;
        return report;
    }

    std::uint32_t seed_;
    long events_;
    std::mt19937 random_;
    long index_ = 0;
    frmMainVelkaro* window_ = nullptr;
    Controls c_{};
    Model model_;
    std::deque<QString> recent_;
    QString fault_;
    int games_ = 0, launches_ = 0, closes_ = 0;
};

} // namespace

class RandomPlayTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { DiscardWindows(); }

    void restlessPlayer() {
        const auto seed = std::uint32_t(FromEnvironment("VELKARO_SEED", kDefaultSeed));
        const long events = long(FromEnvironment("VELKARO_EVENTS", kDefaultEvents));
        qInfo("seed %u, %ld events (VELKARO_SEED, VELKARO_EVENTS)", seed, events);
        Player player(seed, events);
        const QString fault = player.Play();
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
        qInfo("%d games played, %d launches, %d times closed and ended", player.Games(),
              player.Launches(), player.Closes());
        QVERIFY(player.Games() > 0);
    }
};

QTEST_MAIN(RandomPlayTest)
#include "tst_randomplay.moc"
