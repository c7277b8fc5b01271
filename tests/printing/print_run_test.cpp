#include "data_folder.h"
#include "failure_of.h"
#include "fakes.h"
#include "printers_folder.h"
#include "printing/print_run.h"
#include "qt_printing.h"
#include "row_name.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using Box = fakes::RecordingSurface::Box;
using lotteries::Lottery;

class PrintRunTest : public testing::Test, protected DataFolder {
protected:
    std::optional<printing::PrintFailure> print(Lottery lottery)
    {
        return failureOf(
            printing::printCards(lotteries::PrintFile(lotteries::rulesOf(lottery), QDir(m_dir.path())),
                QDir(m_dir.path()), m_surface));
    }

    fakes::RecordingSurface m_surface;
};

struct ExampleCase {
    const char* name;
    Lottery lottery;
    const char* printFile;
    QByteArray lines;
    QList<Box> boxes;
};

class WorkedExample : public PrintRunTest, public testing::WithParamInterface<ExampleCase> { };

TEST_P(WorkedExample, DrawsItsBoxesInOrderOnOneCard)
{
    const ExampleCase& c = GetParam();
    write(c.printFile, c.lines);
    EXPECT_EQ(print(c.lottery), std::nullopt);
    ASSERT_EQ(m_surface.cards.size(), 1);
    EXPECT_EQ(m_surface.cards.first(), c.boxes);
    EXPECT_EQ(m_surface.ends, 1);
}

INSTANTIATE_TEST_SUITE_P(Cards, WorkedExample,
    testing::Values(ExampleCase {"Loto6", Lottery::Loto6, "loto6.txt", "011522304143\r\n",
                        {{6735, 3330, 6695, 3530}, {6497, 1890, 6457, 2090}, {6259, 2970, 6219, 3170},
                            {6259, 90, 6219, 290}, {5783, 3330, 5743, 3530}, {5783, 2610, 5743, 2810}}},
        ExampleCase {"MiniLoto", Lottery::MiniLoto, "miniloto.txt", "0109172531\r\n",
            {{6814, 3321, 6774, 3521}, {6814, 441, 6774, 641}, {6576, 1161, 6536, 1361},
                {6338, 1881, 6298, 2081}, {6100, 3321, 6060, 3521}}},
        ExampleCase {"Numbers4", Lottery::Numbers4, "numbers4.txt", "1234A\r\n9075C\r\n",
            {{6716, 2970, 6676, 3170}, {6517, 2610, 6477, 2810}, {6318, 2250, 6278, 2450},
                {6119, 1890, 6079, 2090}, {5920, 2970, 5880, 3170}, {5526, 90, 5486, 290},
                {5327, 3330, 5287, 3530}, {5128, 810, 5088, 1010}, {4929, 1530, 4889, 1730},
                {4730, 1530, 4690, 1730}}},
        ExampleCase {"Numbers3", Lottery::Numbers3, "numbers3.txt", "123A\n705B",
            {{6719, 2970, 6679, 3170}, {6520, 2610, 6480, 2810}, {6321, 2250, 6281, 2450},
                {6122, 2970, 6082, 3170}, {5529, 810, 5489, 1010}, {5330, 3330, 5290, 3530},
                {5131, 1530, 5091, 1730}, {4932, 2250, 4892, 2450}}}),
    rowName);

struct CountCase {
    int entries;
    QList<int> entriesPerCard;
};

class CardCount : public PrintRunTest, public testing::WithParamInterface<CountCase> { };

TEST_P(CardCount, FiveEntriesToACardTheLastOnePartial)
{
    const CountCase& c = GetParam();
    write("numbers4.txt", QByteArray("1234A\r\n").repeated(c.entries));
    EXPECT_EQ(print(Lottery::Numbers4), std::nullopt);
    QList<int> perCard;
    for (const QList<Box>& card : m_surface.cards)
        perCard.append(static_cast<int>(card.size() / 5));
    EXPECT_EQ(perCard, c.entriesPerCard);
    EXPECT_EQ(m_surface.ends, c.entriesPerCard.size());
    // Every card starts again at slot 1.
    for (const QList<Box>& card : m_surface.cards)
        EXPECT_EQ(card.mid(0, 5), m_surface.cards.first().mid(0, 5));
}

INSTANTIATE_TEST_SUITE_P(Entries, CardCount,
    testing::Values(CountCase {0, {}}, CountCase {1, {1}}, CountCase {5, {5}}, CountCase {6, {5, 1}},
        CountCase {10, {5, 5}}, CountCase {11, {5, 5, 1}}));

TEST_F(PrintRunTest, AnEmptyLineIsAnEntryToo)
{
    write("numbers3.txt", "123A\r\n\r\n705B\r\n");
    EXPECT_EQ(print(Lottery::Numbers3), std::nullopt);
    ASSERT_EQ(m_surface.cards.size(), 1);
    // The empty line marks the bottom row of its three digit columns in slot 2 and no play type.
    EXPECT_EQ(m_surface.cards.first().mid(4, 3),
        QList<Box>({{5529, 3330, 5489, 3530}, {5330, 3330, 5290, 3530}, {5131, 3330, 5091, 3530}}));
    EXPECT_EQ(m_surface.cards.first().size(), 4 + 3 + 4);
}

TEST_F(PrintRunTest, EveryRunReadsTheSettingsFileAfresh)
{
    write("loto6.txt", "101010101010\r\n");
    write("miniloto.txt", "1010101010\r\n");
    write("ravelov1.ini", "a\r\nb\r\n2000\r\n238\r\n95\r\n360\r\n");
    ASSERT_EQ(print(Lottery::MiniLoto), std::nullopt);
    EXPECT_EQ(m_surface.cards.last().first(), Box({6840, 86, 6800, 286}));
    ASSERT_EQ(print(Lottery::Loto6), std::nullopt);
    EXPECT_EQ(m_surface.cards.last().first(), Box({6760, 95, 6720, 295}));
    write("ravelov1.ini", "a\r\nb\r\n2000.5\r\n238\r\n95\r\n360.5\r\n");
    ASSERT_EQ(print(Lottery::Loto6), std::nullopt);
    EXPECT_EQ(m_surface.cards.last().first(), Box({6760.5, 95, 6720.5, 295}));
}

TEST_F(PrintRunTest, ARefusedCalibrationDrawsNothing)
{
    write("loto6.txt", "011522304143\r\n");
    write("ravelov1.ini", "a\r\nb\r\n1975\r\n238\r\n90\r\n1E10\r\n");
    const auto failure = print(Lottery::Loto6);
    ASSERT_TRUE(failure);
    EXPECT_EQ(std::get<printing::CalibrationFault>(*failure),
        printing::CalibrationFault({printing::CalibrationValue::VerticalStep, 1e10}));
    EXPECT_TRUE(m_surface.cards.isEmpty());
    EXPECT_EQ(m_surface.ends, 0);
}

TEST_F(PrintRunTest, AVanishedPrintFileIsReported)
{
    const auto failure = print(Lottery::MiniLoto);
    ASSERT_TRUE(failure);
    EXPECT_EQ(
        std::get<core::FileFailure>(*failure).path, QDir::toNativeSeparators(m_dir.filePath("miniloto.txt")));
    EXPECT_TRUE(m_surface.cards.isEmpty());
    // The run does not make the file it could not find.
    EXPECT_EQ(content("miniloto.txt"), "<missing>");
}

TEST_F(PrintRunTest, APrinterFailureStopsTheRunAtThatCard)
{
    write("numbers4.txt", QByteArray("1234A\r\n").repeated(12));
    m_surface.failBeginAt = 2;
    EXPECT_EQ(print(Lottery::Numbers4), printing::PrintFailure(printing::SurfaceFault {"no sheet", 2}));
    EXPECT_EQ(m_surface.cards.size(), 1);
    EXPECT_EQ(m_surface.ends, 1);
}

TEST_F(PrintRunTest, ACardThatCannotBeFinishedStopsTheRun)
{
    write("numbers4.txt", QByteArray("1234A\r\n").repeated(7));
    m_surface.failEndAt = 1;
    EXPECT_EQ(print(Lottery::Numbers4), printing::PrintFailure(printing::SurfaceFault {"job lost", 1}));
    EXPECT_EQ(m_surface.cards.size(), 1);
    EXPECT_EQ(m_surface.ends, 1);
}

// The system's default is asked for once, as the run starts: the sheets never see an empty name, which
// they would resolve again for every card.
TEST_F(PrintRunTest, WithNoPrinterChosenTheRunIsForTheDefaultItStartedWith)
{
    write("numbers4.txt", QByteArray("1234A\r\n").repeated(6));
    fakes::ListedPrinters printers(m_surface);
    seams::PrinterDescription home = kOffice;
    home.name = "home";
    printers.printers = {kOffice, home};
    printers.defaultPrinter = "office";
    EXPECT_FALSE(failureOf(
        printing::printCards(lotteries::PrintFile(lotteries::rulesOf(Lottery::Numbers4), QDir(m_dir.path())),
            QDir(m_dir.path()), printers)));
    EXPECT_EQ(printers.runs, QStringList({"office"}));
    EXPECT_EQ(m_surface.ends, 2);
}

} // namespace
