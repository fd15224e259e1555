// SPDX-License-Identifier: MIT
// The narrowing of the candidates by the seven answers, without a window.
#include <QtTest>

#include "AnswerCodes.h"
#include "QuestionSequence.h"
#include "mdlArayValues.h"

using namespace engine;
using answer_codes::NumberNamed;

namespace {

using Answers = std::array<Answer, 7>;

Answers FromCode(int code) {
    Answers answers{};
    for (int question = 1; question <= 7; ++question)
        answers[std::size_t(question - 1)] =
            answer_codes::SaysYes(code, question) ? Answer::Yes : Answer::No;
    return answers;
}

std::string Play(TextSlots& candidates, const Answers& answers) {
    for (int k = 1; k <= 7; ++k)
        UpdateCandidates(candidates, k, answers[std::size_t(k - 1)]);
    return candidates[FindResultSlot(candidates)];
}

std::vector<std::string> NumbersLeft(const TextSlots& candidates) {
    std::vector<std::string> left;
    for (std::size_t i = 0; i <= kLastPlayedSlot; ++i)
        if (candidates[i] != " " && !candidates[i].empty())
            left.push_back(candidates[i]);
    return left;
}

TextSlots LaterGame() {
    TextSlots candidates;
    BlankCandidates(candidates);
    return candidates;
}

} // namespace

class QuestionSequenceTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { mdlArayValues::LoadArayValues(); }

    void textValue_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("blank marker") << " " << 0.0;
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("zero") << "0" << 0.0;
        QTest::newRow("number") << "37" << 37.0;
        QTest::newRow("largest") << "90" << 90.0;
        QTest::newRow("leading spaces") << "  64" << 64.0;
        QTest::newRow("digits then text") << "31x" << 31.0;
        QTest::newRow("no digits") << "x31" << 0.0;
    }
    void textValue() {
        QFETCH(QString, text);
        QFETCH(double, value);
        QCOMPARE(TextValue(text.toStdString()), value);
    }

    void everyAnswerCombination_data() {
        QTest::addColumn<bool>("laterGame");
        QTest::newRow("first game") << false;
        QTest::newRow("later game") << true;
    }
    void everyAnswerCombination() {
        QFETCH(bool, laterGame);
        int checkYourself = 0;
        for (int code = 0; code < answer_codes::kCombinations; ++code) {
            TextSlots candidates = laterGame ? LaterGame() : TextSlots{};
            const std::string shown = Play(candidates, FromCode(code));
            QVERIFY2(shown == NumberNamed(code), qPrintable(QString::number(code)));
            QVERIFY(candidates[46].empty());
            checkYourself += shown.empty();
        }
        QCOMPARE(checkYourself, 37);
    }

    void truthfulAnswers_nameTheNumber() {
        for (int n = 0; n <= 90; ++n) {
            const int code = answer_codes::CodeOf(n);
            TextSlots candidates;
            QCOMPARE(Play(candidates, FromCode(code)), std::to_string(n));
        }
    }

    void namedCombinations_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("shown");
        // Yes, No, Yes, Yes, Yes, No, Yes: 90.
        QTest::newRow("90") << (1 + 4 + 8 + 16 + 64) << "90";
        // 90's own bits (No, Yes, No, Yes, Yes, No, Yes) fit no number.
        QTest::newRow("bits of 90") << 90 << "";
        QTest::newRow("seven No") << 0 << "0";
        QTest::newRow("seven Yes") << 127 << "";
    }
    void namedCombinations() {
        QFETCH(int, code);
        QFETCH(QString, shown);
        for (TextSlots candidates : {TextSlots{}, LaterGame()})
            QCOMPARE(QString::fromStdString(Play(candidates, FromCode(code))), shown);
    }

    // Thinking of 37: Yes, No, Yes, No, No, Yes, No. The numbers never leave
    // the slots that the first answer gave them.
    void workedExample37() {
        const Answers answers = FromCode(37);
        const std::vector<std::vector<std::string>> left = {
            {}, // after answer 1: all of card 1, checked below
            {},
            {"5", "13", "21", "29", "37", "45", "53", "61", "69", "77", "85", "90"},
            {"5", "21", "37", "53", "69", "85"},
            {"5", "37", "69"},
            {"37"},
            {"37"},
        };
        const std::vector<std::size_t> counts = {46, 24, 12, 6, 3, 1, 1};
        TextSlots candidates;
        for (int k = 1; k <= 7; ++k) {
            UpdateCandidates(candidates, k, answers[std::size_t(k - 1)]);
            const std::vector<std::string> numbers = NumbersLeft(candidates);
            QCOMPARE(numbers.size(), counts[std::size_t(k - 1)]);
            if (!left[std::size_t(k - 1)].empty())
                QCOMPARE(numbers, left[std::size_t(k - 1)]);
            for (std::size_t i = 0; i <= kLastPlayedSlot; ++i)
                if (candidates[i] != " ")
                    QCOMPARE(candidates[i], mdlArayValues::aryCard1Yes[i]);
        }
        QCOMPARE(FindResultSlot(candidates), std::size_t(18));
    }

    // A first No copies 45 numbers: slot 45 keeps what it had, empty in the
    // first game and the blank marker later. The empty slot turns into the
    // blank marker at the next Yes and is found only after seven No answers,
    // when "0" in slot 0 comes first: the result is the same.
    void slot45AfterFirstNo() {
        TextSlots first;
        TextSlots later = LaterGame();
        UpdateCandidates(first, 1, Answer::No);
        UpdateCandidates(later, 1, Answer::No);
        QVERIFY(first[45].empty());
        QCOMPARE(later[45], std::string(" "));
        UpdateCandidates(first, 2, Answer::Yes);
        QCOMPARE(first[45], std::string(" "));

        TextSlots allNo;
        QCOMPARE(Play(allNo, FromCode(0)), std::string("0"));
        QVERIFY(allNo[45].empty());
    }

    void resultScan_data() {
        QTest::addColumn<int>("filled");  // slot holding "7", or -1
        QTest::addColumn<int>("emptied"); // slot left empty, or -1
        QTest::addColumn<int>("found");
        QTest::newRow("all blank: slot 46") << -1 << -1 << 46;
        QTest::newRow("a number") << 12 << -1 << 12;
        QTest::newRow("an empty slot counts") << -1 << 45 << 45;
        QTest::newRow("first of the two") << 30 << 20 << 20;
    }
    void resultScan() {
        QFETCH(int, filled);
        QFETCH(int, emptied);
        QFETCH(int, found);
        TextSlots candidates = LaterGame();
        if (filled >= 0)
            candidates[std::size_t(filled)] = mdlArayValues::aryCard1Yes[3]; // "7"
        if (emptied >= 0)
            candidates[std::size_t(emptied)].clear();
        QCOMPARE(FindResultSlot(candidates), std::size_t(found));
    }

    void blanking_leavesSlot46Alone() {
        TextSlots candidates;
        BlankCandidates(candidates);
        for (std::size_t i = 0; i <= kLastPlayedSlot; ++i)
            QCOMPARE(candidates[i], std::string(" "));
        QVERIFY(candidates[46].empty());
    }
};

QTEST_APPLESS_MAIN(QuestionSequenceTest)
#include "tst_questionsequence.moc"
