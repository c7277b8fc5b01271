#include "data_folder.h"
#include "lotteries/draw_file.h"
#include "qt_printing.h"
#include "row_name.h"

#include <gtest/gtest.h>

namespace {

using lotteries::Draw;

struct KeepCase {
    const char* name;
    QByteArray before; // nothing: no file
    QList<Draw> kept;
    QByteArray after;
};

class KeepDraws : public testing::TestWithParam<KeepCase>, protected DataFolder { };

TEST_P(KeepDraws, MergesByDrawNumberInOrderKeepingOtherLines)
{
    if (!GetParam().before.isNull())
        write("numbers3_draws.csv", GetParam().before);
    const lotteries::DrawFile file(lotteries::rulesOf(lotteries::Lottery::Numbers3), QDir(m_dir.path()));
    ASSERT_TRUE(file.keep(GetParam().kept).ok());
    EXPECT_EQ(content("numbers3_draws.csv"), GetParam().after);
}

const QDate kDate(2023, 12, 11);

INSTANTIATE_TEST_SUITE_P(Numbers3, KeepDraws,
    testing::Values(
        KeepCase {"IntoNoFile", {}, {Draw {6300, kDate, {1, 2, 3}, 0}}, "6300,2023/12/11,123\r\n"},
        KeepCase {"BeforeALaterDraw", "6302,,456\r\n", {Draw {6300, {}, {0, 0, 7}, 0}},
            "6300,,007\r\n6302,,456\r\n"},
        KeepCase {"ReplacingTheSameNumber", "6300,,111\r\n6301,,222\r\n", {Draw {6300, kDate, {9, 9, 9}, 0}},
            "6300,2023/12/11,999\r\n6301,,222\r\n"},
        KeepCase {"HandWrittenLinesStayAfter", "memo\r\n6301,,222\r\n\r\n", {Draw {6300, {}, {1, 2, 3}, 0}},
            "6300,,123\r\n6301,,222\r\nmemo\r\n"}),
    rowName);

class DrawFileRead : public testing::Test, protected DataFolder { };

TEST_F(DrawFileRead, GivesTheKeptDrawsInOrderPassingOverOtherLines)
{
    write("loto6_draws.csv", "1851,,1,2,3,4,5,6,7\r\nmemo\r\n1850,2023/12/11,3,7,15,22,31,40,12\r\n");
    const core::Result<QList<Draw>> read
        = lotteries::DrawFile(lotteries::rulesOf(lotteries::Lottery::Loto6), QDir(m_dir.path())).read();
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(read.value(),
        QList<Draw>(
            {Draw {1850, kDate, {3, 7, 15, 22, 31, 40}, 12}, Draw {1851, {}, {1, 2, 3, 4, 5, 6}, 7}}));
}

} // namespace
