// A print run of 10,000 LOTO6 entries (2,000 cards) through the program's painter backend, each card a
// PDF of its own as each card is a print job of its own. The run has a process to itself, so that its
// peak memory is its own.
#include "bench/bench_folders.h"
#include "bench/child_process.h"
#include "cards/painter_surface.h"
#include "cards/print_run.h"

#include <QApplication>
#include <QFile>
#include <QPrinter>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstdio>

namespace bench {

namespace {

constexpr int kEntries = 10'000;
constexpr int kEntriesPerCard = 5;

// A PDF file for every card, in place of the default printer; the sheets are set up as the printer's
// are, with the margins brought down to the least the sheet needs.
class PdfSheets final : public cards::SheetSource {
public:
    explicit PdfSheets(const QDir& folder)
        : m_folder(folder)
    { }

    std::optional<QString> begin(QPainter& painter) override
    {
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        m_printer->setOutputFormat(QPrinter::PdfFormat);
        m_printer->setPageSize(QPageSize(QPageSize::A4));
        m_printer->setOutputFileName(m_folder.filePath(QStringLiteral("card%1.pdf").arg(++m_cards)));
        const QPageLayout layout = m_printer->pageLayout();
        m_printer->setPageMargins(layout.minimumMargins(), layout.units());
        if (!painter.begin(m_printer.get()))
            return QStringLiteral("cannot begin %1").arg(m_printer->outputFileName());
        return std::nullopt;
    }

    std::optional<QString> finish(QPainter& painter) override
    {
        if (!painter.end() || m_printer->printerState() == QPrinter::Error)
            return QStringLiteral("cannot finish %1").arg(m_printer->outputFileName());
        return std::nullopt;
    }

private:
    QDir m_folder;
    std::unique_ptr<QPrinter> m_printer;
    int m_cards = 0;
};

// VmHWM of this process. getrusage would not do: across fork and exec it keeps the parent's peak.
QByteArray peakResidentKib()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return "0";
    const QList<QByteArray> lines = status.readAll().split('\n');
    const auto line = std::find_if(
        lines.begin(), lines.end(), [](const QByteArray& text) { return text.startsWith("VmHWM:"); });
    return line == lines.end() ? "0" : line->mid(6).trimmed().split(' ').first();
}

void BM_PrintRun(benchmark::State& state)
{
    const QDir& folder = folderWithEntries(kEntries);
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
        if (QDir(cards.path()).entryList(QDir::Files).size() != kEntries / kEntriesPerCard) {
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

BENCHMARK(BM_PrintRun)->UseManualTime()->Unit(benchmark::kMillisecond);

// Prints the folder's LOTO6 print file into PDFs in the second folder, then writes the run's time in
// nanoseconds and the process's peak resident memory in KiB.
int printChild(int argc, char* argv[])
{
    QApplication application(argc, argv);
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() != 4)
        return 2;
    cards::PainterSurface surface(std::make_unique<PdfSheets>(QDir(arguments.at(3))));
    const qint64 start = monotonicNanoseconds();
    const auto failure = cards::printCards(tickets::Lottery::Loto6, QDir(arguments.at(2)), surface);
    const qint64 elapsed = monotonicNanoseconds() - start;
    if (failure)
        return 1;
    std::printf("%lld %s\n", static_cast<long long>(elapsed), peakResidentKib().constData());
    return 0;
}

} // namespace bench
