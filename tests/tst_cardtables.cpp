// SPDX-License-Identifier: MIT
// The card lists and card lines against the rule they follow: card k holds
// the numbers whose bit k-1 is set, except 90, which stands on cards 1, 3, 4
// and 5; the ranges 32 to 63 and 64 to 90 follow bits 5 and 6.
#include <QtTest>
#include <set>

#include "AnswerCodes.h"
#include "Texts.h"
#include "mdlArayValues.h"

using namespace mdlArayValues;
using answer_codes::OnCard;
using engine::kLastPlayedSlot;
using engine::TextSlots;

namespace {

std::vector<std::string> NumbersOf(const TextSlots& list) {
    std::vector<std::string> numbers;
    for (std::size_t i = 0; i <= kLastPlayedSlot && list[i] != " "; ++i)
        numbers.push_back(list[i]);
    return numbers;
}

// The column type of the data tables.
const TextSlots* Of(const TextSlots& list) {
    return &list;
}

} // namespace

class CardTablesTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { LoadArayValues(); }

    void list_followsTheRule_data() {
        QTest::addColumn<const TextSlots*>("list");
        QTest::addColumn<int>("card");
        QTest::addColumn<bool>("onCard");
        QTest::addColumn<int>("count");
        QTest::newRow("aryCard1Yes") << Of(aryCard1Yes) << 1 << true << 46;
        QTest::newRow("aryCard1No") << Of(aryCard1No) << 1 << false << 45;
        QTest::newRow("aryCard2") << Of(aryCard2) << 2 << true << 44;
        QTest::newRow("aryCard3") << Of(aryCard3) << 3 << true << 45;
        QTest::newRow("aryCard4") << Of(aryCard4) << 4 << true << 43;
        QTest::newRow("aryCard5") << Of(aryCard5) << 5 << true << 43;
    }
    void list_followsTheRule() {
        QFETCH(const TextSlots*, list);
        QFETCH(int, card);
        QFETCH(bool, onCard);
        QFETCH(int, count);

        std::vector<std::string> expected;
        for (int n = 0; n <= 90; ++n)
            if (OnCard(n, card) == onCard)
                expected.push_back(std::to_string(n));
        QCOMPARE(int(expected.size()), count);

        // Numbers ascending from index 0, the blank marker behind them up to
        // 45, and index 46 never written.
        for (int i = 0; i <= 46; ++i) {
            const std::string& entry = (*list)[std::size_t(i)];
            if (i < count)
                QCOMPARE(entry, expected[std::size_t(i)]);
            else if (i <= 45)
                QCOMPARE(entry, std::string(" "));
            else
                QVERIFY(entry.empty());
        }
    }

    void card1Lists_holdEveryNumberOnce() {
        std::multiset<std::string> all;
        for (const TextSlots* list : {&aryCard1Yes, &aryCard1No})
            for (const std::string& n : NumbersOf(*list))
                all.insert(n);
        QCOMPARE(int(all.size()), 91);
        for (int n = 0; n <= 90; ++n)
            QCOMPARE(int(all.count(std::to_string(n))), 1);
        QCOMPARE(aryCard1Yes[45], std::string("90"));
    }

    void cardLine_isItsListJoined_data() {
        QTest::addColumn<int>("card");
        QTest::addColumn<const TextSlots*>("list");
        QTest::newRow("strCard1") << 1 << Of(aryCard1Yes);
        QTest::newRow("strCard2") << 2 << Of(aryCard2);
        QTest::newRow("strCard3") << 3 << Of(aryCard3);
        QTest::newRow("strCard4") << 4 << Of(aryCard4);
        QTest::newRow("strCard5") << 5 << Of(aryCard5);
    }
    void cardLine_isItsListJoined() {
        QFETCH(int, card);
        QFETCH(const TextSlots*, list);
        const auto& parts = texts::kCardTextParts[std::size_t(card - 1)];
        // The first part ends in the one space that joins the two.
        QVERIFY(parts[0].ends_with(' '));
        QVERIFY(!parts[1].starts_with(' ') && !parts[1].ends_with(' '));
        const std::string line = std::string(parts[0]) + std::string(parts[1]);

        std::string joined;
        for (const std::string& n : NumbersOf(*list))
            joined += (joined.empty() ? "" : " ") + n;
        QCOMPARE(line, joined);
    }

    void answerCodes_tellEveryNumberApart() {
        std::set<int> codes;
        for (int n = 0; n <= 90; ++n) {
            const int code = answer_codes::CodeOf(n);
            QCOMPARE(code, n == 90 ? 93 : n);
            codes.insert(code);
        }
        QCOMPARE(int(codes.size()), 91);
    }

    void loadingAgain_writesTheSameValues() {
        const TextSlots before = aryCard3;
        // The lists are read-only outside their module; the test spoils one
        // entry through the view to see loading write it again.
        const_cast<TextSlots&>(aryCard3)[0] = "spoiled";
        LoadArayValues();
        QCOMPARE(aryCard3, before);
    }
};

QTEST_APPLESS_MAIN(CardTablesTest)
#include "tst_cardtables.moc"
