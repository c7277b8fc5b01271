// A print run of LOTO6 entries (10,000: 2,000 cards) through the program's painter backend, each card a
// PDF of its own as each card is a print job of its own. The run has a process to itself, so that its
// peak memory is its own.
#include "bench/bench_folders.h"
#include "bench/child_process.h"
#include "printing/painter_surface.h"
#include "printing/print_run.h"

#include <QApplication>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstdio>

namespace bench {

namespace {

constexpr int kEntriesPerCard = 5;

// A PDF file for every card, in place of the default printer: A4 at 1200 dots per inch, the resolution
// the program asks printers for, with no margin, as a printer's printable area has none of Qt's own.
// A QPdfWriter rather than a QPrinter, which would ask the spooler for its default printer on every card
// and so time the machine's spooler (or its absence) instead of the program.
class PdfSheets final : public printing::SheetSource {
public:
    explicit PdfSheets(const QDir& folder)
        : m_folder(folder)
    { }

    seams::PrintStep begin(QPainter& painter) override
    {
        constexpr int kDotsPerInch = 1200;
        m_writer
            = std::make_unique<QPdfWriter>(m_folder.filePath(QStringLiteral("card%1.pdf").arg(++m_cards)));
        m_writer->setResolution(kDotsPerInch);
        m_writer->setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
        if (!painter.begin(m_writer.get()))
            return QStringLiteral("cannot begin card %1").arg(m_cards);
        return {};
    }

    seams::PrintStep finish(QPainter& painter) override
    {
        if (!painter.end())
            return QStringLiteral("cannot finish card %1").arg(m_cards);
        return {};
    }

private:
    QDir m_folder;
    std::unique_ptr<QPdfWriter> m_writer;
    int m_cards = 0;
};

void BM_PrintRun(benchmark::State& state)
{
    const int entries = static_cast<int>(state.range(0));
    const QDir& folder = folderWithEntries(entries);
    double peakMegabytes = 0;
    while (state.KeepRunning()) {
        QTemporaryDir cards;
        QString error;
        const std::optional<QByteArray> output
            = runChild({QString::fromLatin1(kPrintChild), folder.path(), cards.path()}, error);
        if (!output) {
            state.SkipWithError(qPrintable(error));
            break;
        }
        if (QDir(cards.path()).entryList(QDir::Files).size() != entries / kEntriesPerCard) {
            state.SkipWithError("not one PDF per card");
            break;
        }
        const QList<QByteArray> figures = output->split(' ');
        state.SetIterationTime(figures.value(0).toDouble() / 1e9);
        peakMegabytes = std::max(peakMegabytes, figures.value(1).toDouble() / 1024);
    }
    state.counters["peak_MB"] = peakMegabytes;
}

} // namespace

// 10,000 entries is the figure that counts; 500 lets the brief run under the sanitizers print too.
BENCHMARK(BM_PrintRun)->Arg(500)->Arg(10'000)->UseManualTime()->Unit(benchmark::kMillisecond);

// Prints the folder's LOTO6 print file into PDFs in the second folder, then writes the run's time in
// nanoseconds and the process's peak resident memory in KiB.
int printChild(int argc, char* argv[])
{
    QApplication application(argc, argv);
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() != 4)
        return 2;
    printing::PainterSurface surface(std::make_unique<PdfSheets>(QDir(arguments.at(3))));
    const qint64 start = monotonicNanoseconds();
    const auto printed = printing::printCards(
        lotteries::PrintFile(lotteries::rulesOf(lotteries::Lottery::Loto6), QDir(arguments.at(2))),
        QDir(arguments.at(2)), surface);
    const qint64 elapsed = monotonicNanoseconds() - start;
    if (!printed.ok())
        return 1;
    std::printf("%lld %s\n", static_cast<long long>(elapsed), peakResidentKib().constData());
    return 0;
}

} // namespace bench
