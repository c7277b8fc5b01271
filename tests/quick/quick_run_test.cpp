#include "data_folder.h"
#include "failure_of.h"
#include "fakes.h"
#include "qt_printing.h"
#include "quick/quick_run.h"
#include "row_name.h"
#include "tickets/entry.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using quick::DataFault;
using quick::WriteMode;

const QByteArray kBefore[] {"123A\r\n", "1234A\r\n", "0102030405\r\n", "010203040506\r\n"};
const char* const kFiles[] {"numbers3.txt", "numbers4.txt", "miniloto.txt", "loto6.txt"};

QByteArray stagedQuickData()
{
    QFile staged(QStringLiteral(LOTOCARD_DATA_DIR "/quick.dat"));
    return staged.open(QIODevice::ReadOnly) ? staged.readAll() : QByteArray();
}

class QuickRunTest : public testing::Test, protected DataFolder {
protected:
    void writePrintFiles() const
    {
        for (int i = 0; i < 4; ++i)
            write(kFiles[i], kBefore[i]);
    }

    std::optional<quick::RunFailure> run(int count, WriteMode mode, char playType = 'C')
    {
        return failureOf(
            quick::runQuickPrediction(QDir(m_dir.path()), {count, mode, playType}, m_random, m_clock));
    }

    fakes::ScriptedRandom m_random;
    fakes::FixedClock m_clock;
};

TEST_F(QuickRunTest, TheStagedQuickDataIsComplete)
{
    write("quick.dat", stagedQuickData());
    const auto tables = quick::readBaseTables(QDir(m_dir.path()));
    ASSERT_TRUE(tables.ok());
    const quick::BaseTables& read = tables.value();
    EXPECT_EQ(QSet<QByteArray>(read.numbers3.begin(), read.numbers3.end()).size(), quick::kNumbers3Entries);
    EXPECT_EQ(QSet<QByteArray>(read.numbers4.begin(), read.numbers4.end()).size(), quick::kNumbers4Entries);
}

struct DataCase {
    const char* name;
    std::optional<QByteArray> quickData; // none: no quick.dat
    std::optional<DataFault> fault; // line, missing, digits, content; the path is filled in
};

class UnusableQuickData : public QuickRunTest, public testing::WithParamInterface<DataCase> { };

TEST_P(UnusableQuickData, LeavesEveryPrintFileAsItWas)
{
    const DataCase& c = GetParam();
    if (c.quickData)
        write("quick.dat", *c.quickData);
    writePrintFiles();
    const auto failure = run(10, WriteMode::Replace);
    ASSERT_TRUE(failure);
    const QString path = QDir::toNativeSeparators(m_dir.filePath("quick.dat"));
    if (c.fault) {
        DataFault expected = *c.fault;
        expected.path = path;
        EXPECT_EQ(std::get<DataFault>(*failure), expected);
    } else {
        EXPECT_EQ(std::get<core::FileFailure>(*failure).path, path);
    }
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(content(kFiles[i]), kBefore[i]) << kFiles[i];
    EXPECT_EQ(m_random.taken, 0);
}

QByteArray replacedLine(int line, const QByteArray& entry)
{
    QList<QByteArray> lines = stagedQuickData().split('\n');
    lines[line - 1] = entry + '\r';
    return lines.join('\n');
}

INSTANTIATE_TEST_SUITE_P(Files, UnusableQuickData,
    testing::Values(DataCase {"Missing", std::nullopt, std::nullopt},
        DataCase {"Empty", "", DataFault {{}, 1, true, 3, {}}},
        DataCase {"Short", stagedQuickData().left(5 * 133 + 6 * 666), DataFault {{}, 800, true, 4, {}}},
        DataCase {"LetterInNumbers3", replacedLine(5, "12a"), DataFault {{}, 5, false, 3, "12a"}},
        DataCase {"FourDigitsInNumbers3", replacedLine(133, "0123"), DataFault {{}, 133, false, 3, "0123"}},
        DataCase {"ThreeDigitsInNumbers4", replacedLine(134, "123"), DataFault {{}, 134, false, 4, "123"}},
        DataCase {"BlankInNumbers4", replacedLine(895, "12 4"), DataFault {{}, 895, false, 4, "12 4"}}),
    rowName);

TEST_F(QuickRunTest, LinesAfterTheTablesDoNotMatter)
{
    write("quick.dat", stagedQuickData() + "not a candidate\r\n12\r\n");
    EXPECT_EQ(run(5, WriteMode::Replace), std::nullopt);
}

struct ModeCase {
    int count;
    WriteMode mode;
};

class WriteModes : public QuickRunTest, public testing::WithParamInterface<ModeCase> { };

TEST_P(WriteModes, ReplaceOrAddTheCountOfSetsInEveryFile)
{
    const ModeCase& c = GetParam();
    write("quick.dat", stagedQuickData());
    writePrintFiles();
    ASSERT_EQ(run(c.count, c.mode, 'B'), std::nullopt);
    EXPECT_EQ(m_random.reseeds, 1);
    for (int i = 0; i < 4; ++i) {
        const QByteArray after = content(kFiles[i]);
        const QByteArray kept = c.mode == WriteMode::Add ? kBefore[i] : QByteArray();
        ASSERT_TRUE(after.startsWith(kept)) << kFiles[i];
        const QList<QByteArray> fresh = after.mid(kept.size()).split('\n');
        EXPECT_EQ(fresh.size(), c.count + 1) << kFiles[i];
        EXPECT_TRUE(after.endsWith("\r\n"));
        const lotteries::LotteryRules& rules = lotteries::rulesOf(quick::kWriteOrder.at(i));
        for (qsizetype line = 0; line < c.count; ++line) {
            const QByteArray set = fresh.at(line).chopped(1);
            EXPECT_TRUE(tickets::acceptEntry(rules, QString::fromLatin1(set))) << set.toStdString();
            if (rules.form == lotteries::EntryForm::DigitsAndPlayType) {
                EXPECT_TRUE(set.endsWith('B'));
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Modes, WriteModes,
    testing::Values(ModeCase {10, WriteMode::Replace}, ModeCase {5, WriteMode::Replace},
        ModeCase {10, WriteMode::Add}, ModeCase {5, WriteMode::Add}));

TEST_F(QuickRunTest, AddingCreatesMissingPrintFiles)
{
    write("quick.dat", stagedQuickData());
    ASSERT_EQ(run(5, WriteMode::Add), std::nullopt);
    for (const char* file : kFiles)
        EXPECT_EQ(content(file).count('\n'), 5) << file;
}

TEST_F(QuickRunTest, AFileThatCannotBeWrittenStopsTheRunThere)
{
    write("quick.dat", stagedQuickData());
    writePrintFiles();
    ASSERT_TRUE(QFile::remove(m_dir.filePath("miniloto.txt")));
    ASSERT_TRUE(QDir(m_dir.path()).mkdir("miniloto.txt"));
    const auto failure = run(5, WriteMode::Add);
    ASSERT_TRUE(failure);
    const quick::WriteFault& fault = std::get<quick::WriteFault>(*failure);
    EXPECT_EQ(fault.written, 2);
    EXPECT_EQ(fault.failure.path, QDir::toNativeSeparators(m_dir.filePath("miniloto.txt")));
    EXPECT_EQ(content("numbers3.txt").count('\n'), 6);
    EXPECT_EQ(content("numbers4.txt").count('\n'), 6);
    EXPECT_EQ(content("loto6.txt"), kBefore[3]);
}

class RealGenerator : public testing::Test, protected DataFolder { };

// Thousands of sets from the program's own generator, each checked against the lottery's rules.
TEST_F(RealGenerator, EverySetIsValidForItsLottery)
{
    write("quick.dat", stagedQuickData());
    seams::ClockSeededRandom random;
    fakes::FixedClock clock;
    for (int day = 1; day <= 20; ++day) {
        clock.date = QDate(2026, 12, day);
        ASSERT_TRUE(
            quick::runQuickPrediction(QDir(m_dir.path()), {10, WriteMode::Add, 'A'}, random, clock).ok());
    }
    for (const lotteries::Lottery lottery : quick::kWriteOrder) {
        const lotteries::LotteryRules& rules = lotteries::rulesOf(lottery);
        const QList<QByteArray> lines = content(rules.printFile).split('\n');
        ASSERT_EQ(lines.size(), 201);
        for (qsizetype i = 0; i < 200; ++i) {
            const QByteArray set = lines.at(i).chopped(1);
            ASSERT_TRUE(tickets::acceptEntry(rules, QString::fromLatin1(set))) << set.toStdString();
            if (rules.form != lotteries::EntryForm::NumberFields)
                continue;
            int sum = 0;
            for (qsizetype field = 0; field < rules.count; ++field) {
                const int number = set.mid(2 * field, 2).toInt();
                ASSERT_TRUE(field == 0 || number > set.mid(2 * field - 2, 2).toInt()) << set.toStdString();
                sum += number;
            }
            // The LOTO6 sum is of the first five drawn, which the sorted line no longer tells.
            if (lottery == lotteries::Lottery::MiniLoto) {
                EXPECT_TRUE(sum >= 60 && sum <= 100) << set.toStdString();
            }
        }
    }
}

} // namespace
