#include "qt_printing.h"
#include "row_name.h"
#include "tickets/entry.h"

#include <gtest/gtest.h>

namespace {

using lotteries::Lottery;

struct EntryCase {
    const char* name;
    Lottery lottery;
    QString entry;
    std::optional<QByteArray> line; // nothing: refused
};

class AcceptEntry : public testing::TestWithParam<EntryCase> { };

TEST_P(AcceptEntry, GivesTheLineToStoreOrRefuses)
{
    const EntryCase& c = GetParam();
    EXPECT_EQ(tickets::acceptEntry(lotteries::rulesOf(c.lottery), c.entry), c.line);
}

INSTANTIATE_TEST_SUITE_P(Loto, AcceptEntry,
    testing::Values(EntryCase {"Loto6Example", Lottery::Loto6, "011522304143", "011522304143"},
        EntryCase {"Loto6KeepsTypedOrder", Lottery::Loto6, "434241403901", "434241403901"},
        EntryCase {"Loto6AllowsRepeats", Lottery::Loto6, "010101010101", "010101010101"},
        EntryCase {"Loto6OneShort", Lottery::Loto6, "01152230414", std::nullopt},
        EntryCase {"Loto6OneLong", Lottery::Loto6, "0115223041430", std::nullopt},
        EntryCase {"Loto6FirstField00", Lottery::Loto6, "001522304143", std::nullopt},
        EntryCase {"Loto6LastField44", Lottery::Loto6, "011522304144", std::nullopt},
        EntryCase {"Loto6MiddleField00", Lottery::Loto6, "011500304143", std::nullopt},
        EntryCase {"Loto6MiddleField50", Lottery::Loto6, "011522504143", std::nullopt},
        EntryCase {"Loto6Empty", Lottery::Loto6, "", std::nullopt},
        EntryCase {"Loto6FieldWithLetter", Lottery::Loto6, "0A1522304143", std::nullopt},
        EntryCase {"Loto6FieldWithLetterThatTextOrderPasses", Lottery::Loto6, "1x1522304143", std::nullopt},
        EntryCase {"Loto6FieldWithColonAboveNine", Lottery::Loto6, "0:1522304143", std::nullopt},
        EntryCase {"Loto6FullWidthDigits", Lottery::Loto6, u"０１１５２２３０４１４３"_qs, std::nullopt},
        EntryCase {"Loto6InnerBlank", Lottery::Loto6, "01 522304143", std::nullopt},
        EntryCase {"Loto6MiniLotoLength", Lottery::Loto6, "0102030405", std::nullopt},
        EntryCase {"MiniLotoExample", Lottery::MiniLoto, "0102030405", "0102030405"},
        EntryCase {"MiniLotoHighest31", Lottery::MiniLoto, "0109172531", "0109172531"},
        EntryCase {"MiniLotoField32", Lottery::MiniLoto, "0102030432", std::nullopt},
        EntryCase {"MiniLotoLoto6Length", Lottery::MiniLoto, "011522304143", std::nullopt}),
    rowName);

INSTANTIATE_TEST_SUITE_P(Numbers, AcceptEntry,
    testing::Values(EntryCase {"Numbers4UpperCaseKept", Lottery::Numbers4, "1234A", "1234A"},
        EntryCase {"Numbers4LowerCaseRaised", Lottery::Numbers4, "1234a", "1234A"},
        EntryCase {"Numbers4Box", Lottery::Numbers4, "0000b", "0000B"},
        EntryCase {"Numbers4Set", Lottery::Numbers4, "9999C", "9999C"},
        EntryCase {"Numbers4NoPlayType", Lottery::Numbers4, "1234", std::nullopt},
        EntryCase {"Numbers4DigitForPlayType", Lottery::Numbers4, "12345", std::nullopt},
        EntryCase {"Numbers4PlayTypeD", Lottery::Numbers4, "1234D", std::nullopt},
        EntryCase {"Numbers4LowerCasePlayTypeD", Lottery::Numbers4, "1234d", std::nullopt},
        EntryCase {"Numbers4LetterAmongDigits", Lottery::Numbers4, "12a4A", std::nullopt},
        EntryCase {"Numbers4BlankAmongDigits", Lottery::Numbers4, "1 34A", std::nullopt},
        EntryCase {"Numbers4FullWidthPlayType", Lottery::Numbers4, u"1234Ａ"_qs, std::nullopt},
        EntryCase {"Numbers4FullWidthDigit", Lottery::Numbers4, u"１234A"_qs, std::nullopt},
        EntryCase {"Numbers4Empty", Lottery::Numbers4, "", std::nullopt},
        EntryCase {"Numbers4Numbers3Length", Lottery::Numbers4, "123A", std::nullopt},
        EntryCase {"Numbers3Accepted", Lottery::Numbers3, "123A", "123A"},
        EntryCase {"Numbers3LowerCaseRaised", Lottery::Numbers3, "705c", "705C"},
        EntryCase {"Numbers3BlankAmongDigits", Lottery::Numbers3, "1 3A", std::nullopt},
        EntryCase {"Numbers3Numbers4Length", Lottery::Numbers3, "1234A", std::nullopt}),
    rowName);

struct ListCase {
    const char* name;
    Lottery lottery;
    int sequence;
    QString line;
    QString listLine;
};

class ListLine : public testing::TestWithParam<ListCase> { };

TEST_P(ListLine, CutsTheLineByPosition)
{
    const ListCase& c = GetParam();
    EXPECT_EQ(tickets::listLine(lotteries::rulesOf(c.lottery), c.sequence, c.line), c.listLine);
}

INSTANTIATE_TEST_SUITE_P(Lotteries, ListLine,
    testing::Values(ListCase {"Loto6", Lottery::Loto6, 1, "011522304143", "  1  01-15-22-30-41-43"},
        ListCase {"MiniLoto", Lottery::MiniLoto, 12, "0309141828", " 12  03-09-14-18-28"},
        ListCase {"Numbers4", Lottery::Numbers4, 1, "1234A", "  1  1-2-3-4.A"},
        ListCase {"Numbers3", Lottery::Numbers3, 12, "705C", " 12  7-0-5.C"},
        ListCase {"Sequence999", Lottery::Numbers3, 999, "705C", "999  7-0-5.C"},
        ListCase {"Sequence1000ShowsLastThreeDigits", Lottery::Numbers3, 1000, "705C", "000  7-0-5.C"},
        ListCase {"Sequence1005KeepsItsZeros", Lottery::Numbers3, 1005, "705C", "005  7-0-5.C"},
        ListCase {"Sequence100", Lottery::Numbers3, 100, "705C", "100  7-0-5.C"},
        ListCase {"Sequence12345", Lottery::Numbers3, 12345, "705C", "345  7-0-5.C"},
        ListCase {"Loto6ShortLineByPosition", Lottery::Loto6, 1, "0115", "  1  01-15----15"},
        ListCase {"Loto6LongLineLastTwo", Lottery::Loto6, 1, "01152230414399", "  1  01-15-22-30-41-99"},
        ListCase {"Loto6EmptyLine", Lottery::Loto6, 2, "", "  2  -----"},
        ListCase {"Numbers4HandWrittenLine", Lottery::Numbers4, 3, u"１２x"_qs, u"  3  １-２-x-.x"_qs},
        ListCase {"Numbers3EmptyLine", Lottery::Numbers3, 4, "", "  4  --."}),
    rowName);

} // namespace
