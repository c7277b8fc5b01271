// The LOTO6 card window on long print files: opening it, registering an entry and deleting one, each
// until the list shows the print file again; beside them, plain reading of the same file. Then the
// window's memory and its preview's, each time in a process of its own.
#include "app/navigator.h"
#include "app/system_info.h"
#include "bench/bench_folders.h"
#include "bench/child_process.h"
#include "core/line_file.h"
#include "fakes.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstdio>

namespace bench {

namespace {

constexpr char kEntry[] = "011522304143";

// The windows with stand-ins for the outside world; the delete question is answered Yes, and the
// printer in use is an A4 one with margins of 5 mm.
class Desk {
public:
    explicit Desk(const QDir& folder)
        : m_navigator({m_prompter, m_printers, m_random, m_clock, folder}, {m_launcher, m_registry})
    {
        constexpr double kA4Width = 210;
        constexpr double kA4Height = 297;
        constexpr double kMargin = 5;
        m_printers.printers = {{QStringLiteral("office"), QStringLiteral("A4"), {kA4Width, kA4Height},
            {kMargin, kMargin, kMargin, kMargin}, seams::PrinterState::Idle}};
        m_printers.defaultPrinter = QStringLiteral("office");
        m_navigator.loadMain();
        settle();
    }

    static void settle() { QApplication::processEvents(); }

    void openCard()
    {
        m_navigator.openCard(lotteries::Lottery::Loto6);
        settle();
    }

    static QWidget* cardWindow()
    {
        const QWidgetList windows = QApplication::topLevelWidgets();
        const auto found = std::find_if(windows.begin(), windows.end(), [](const QWidget* window) {
            return window->isVisible() && window->objectName() == QStringLiteral("Form7");
        });
        return found == windows.end() ? nullptr : *found;
    }

    template <typename T> static T* control(const char* name)
    {
        return cardWindow()->findChild<T*>(QString::fromLatin1(name));
    }

private:
    fakes::ScriptedPrompter m_prompter;
    fakes::RecordingLauncher m_launcher;
    seams::NoRegistry m_registry;
    fakes::RecordingSurface m_printer;
    fakes::ListedPrinters m_printers {m_printer};
    fakes::ScriptedRandom m_random;
    fakes::FixedClock m_clock;
    app::Navigator m_navigator;
};

int entriesOf(const benchmark::State& state)
{
    return static_cast<int>(state.range(0));
}

QString printFilePath(const QDir& folder)
{
    return folder.filePath(QString::fromLatin1(kPrintFile));
}

// Puts the print file's bytes back after a benchmark changed it, on the disk as every save of the
// program leaves a print file: otherwise the next timed save's sync would also write out these bytes.
void restore(const QDir& folder, const QByteArray& bytes)
{
    if (const auto done = core::saveFile(printFilePath(folder), bytes); !done.ok())
        qFatal("cannot restore %s: %s", qPrintable(done.failure().path), qPrintable(done.failure().reason));
}

bool listHolds(benchmark::State& state, qsizetype rows)
{
    if (Desk::control<QListView>("List1")->model()->rowCount() == rows)
        return true;
    state.SkipWithError("the list does not show the print file");
    return false;
}

void BM_CardWindowOpen(benchmark::State& state)
{
    const QDir& folder = folderWithEntries(entriesOf(state));
    Desk desk(folder);
    while (state.KeepRunning()) {
        desk.openCard();
        state.PauseTiming();
        if (!listHolds(state, entriesOf(state)))
            break;
        Desk::cardWindow()->close();
        Desk::settle();
        state.ResumeTiming();
    }
    state.SetComplexityN(state.range(0));
}

// Times one change to the print file through the open card window, until the list shows the file
// again; the file's bytes are put back between runs, untimed.
template <typename Change> void timeChange(benchmark::State& state, qsizetype rowsAfter, Change change)
{
    const QDir& folder = folderWithEntries(entriesOf(state));
    const QByteArray bytes = loto6Entries(entriesOf(state));
    Desk desk(folder);
    desk.openCard();
    while (state.KeepRunning()) {
        change();
        Desk::settle();
        state.PauseTiming();
        if (!listHolds(state, rowsAfter))
            break;
        restore(folder, bytes);
        state.ResumeTiming();
    }
    restore(folder, bytes);
    state.SetComplexityN(state.range(0));
}

void BM_CardWindowRegister(benchmark::State& state)
{
    timeChange(state, entriesOf(state) + 1, [] {
        Desk::control<QLineEdit>("Text1")->setText(QString::fromLatin1(kEntry));
        Desk::control<QPushButton>("Command4")->click();
    });
}

void BM_CardWindowDelete(benchmark::State& state)
{
    const int row = entriesOf(state) / 2;
    timeChange(state, entriesOf(state) - 1, [row] {
        auto* list = Desk::control<QListView>("List1");
        const QModelIndex middle = list->model()->index(row, 0);
        list->setCurrentIndex(middle);
        // The list's double click, as the window gets it from the mouse.
        const QPointF point = list->visualRect(middle).center();
        QMouseEvent doubleClick(QEvent::MouseButtonDblClick, point, list->viewport()->mapToGlobal(point),
            Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(list->viewport(), &doubleClick);
    });
}

// Every line of the list picked with Ctrl+A and copied with Ctrl+C, until the clipboard holds them.
void BM_CardWindowCopyAll(benchmark::State& state)
{
    const QDir& folder = folderWithEntries(entriesOf(state));
    Desk desk(folder);
    desk.openCard();
    auto* list = Desk::control<QListView>("List1");
    list->setFocus();
    const auto press = [list](Qt::Key key) {
        QKeyEvent event(QEvent::KeyPress, key, Qt::ControlModifier);
        QCoreApplication::sendEvent(list, &event);
    };
    // Twelve characters and a line feed a line.
    const qsizetype copied = qsizetype {entriesOf(state)} * (std::char_traits<char>::length(kEntry) + 1);
    while (state.KeepRunning()) {
        press(Qt::Key_A);
        press(Qt::Key_C);
        state.PauseTiming();
        if (QGuiApplication::clipboard()->text().size() != copied) {
            state.SkipWithError("the clipboard does not hold every line");
            break;
        }
        list->clearSelection();
        QGuiApplication::clipboard()->clear();
        state.ResumeTiming();
    }
}

// The floor for all three: the print file read into memory and its lines counted, nothing more.
void BM_PlainFileRead(benchmark::State& state)
{
    const QString path = printFilePath(folderWithEntries(entriesOf(state)));
    while (state.KeepRunning()) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            state.SkipWithError("cannot read the print file");
            break;
        }
        const QByteArray bytes = file.readAll();
        benchmark::DoNotOptimize(std::count(bytes.begin(), bytes.end(), '\n'));
    }
    state.SetComplexityN(state.range(0));
}

// What the open card window holds for its print file: one process opens the window on the print file and
// draws it, another does the same on an empty print file, and the difference of their peak resident
// memory is set against the file's size. Peaks, so that what opening holds only for a while counts too.
// The time is the opening in that fresh process.
void BM_CardWindowMemory(benchmark::State& state)
{
    const QDir& folder = folderWithEntries(entriesOf(state));
    const QDir& empty = folderWithEntries(0);
    constexpr double kKibPerMib = 1024;
    constexpr double kBytesPerMib = 1024 * kKibPerMib;
    const double fileMib = static_cast<double>(QFileInfo(printFilePath(folder)).size()) / kBytesPerMib;
    double aboveEmptyMib = 0;
    while (state.KeepRunning()) {
        QString error;
        const std::optional<QByteArray> full
            = runChild({QString::fromLatin1(kCardWindowChild), folder.path()}, error);
        const std::optional<QByteArray> none
            = full ? runChild({QString::fromLatin1(kCardWindowChild), empty.path()}, error) : std::nullopt;
        if (!none) {
            state.SkipWithError(qPrintable(error));
            break;
        }
        // Each child writes its time, its peak and the rows its list shows.
        const QList<QByteArray> figures = full->trimmed().split(' ');
        const QList<QByteArray> emptyFigures = none->trimmed().split(' ');
        if (figures.value(2).toInt() != entriesOf(state) || emptyFigures.value(2) != "0") {
            state.SkipWithError(qPrintable(
                QStringLiteral("the list does not show the print file: the children wrote "
                               "\"%1\" and \"%2\"")
                    .arg(QString::fromLatin1(full->trimmed()), QString::fromLatin1(none->trimmed()))));
            break;
        }
        state.SetIterationTime(figures.value(0).toDouble() / 1e9);
        aboveEmptyMib = (figures.value(1).toDouble() - emptyFigures.value(1).toDouble()) / kKibPerMib;
    }
    state.counters["file_MB"] = fileMib;
    state.counters["above_empty_MB"] = aboveEmptyMib;
    state.counters["times_file"] = aboveEmptyMib / fileMib;
}

// What the preview of the print file holds above the card window it was opened from, shown at the first
// zoom and at the largest, each time scrolled through page by page: the peaks of a process that opened
// the card window and then the preview. The time is from the press of the preview button until the
// preview has been drawn.
void BM_PreviewMemory(benchmark::State& state)
{
    const QDir& folder = folderWithEntries(entriesOf(state));
    constexpr double kKibPerMib = 1024;
    double firstZoomMib = 0;
    double largestZoomMib = 0;
    while (state.KeepRunning()) {
        QString error;
        const std::optional<QByteArray> output
            = runChild({QString::fromLatin1(kPreviewChild), folder.path()}, error);
        if (!output) {
            state.SkipWithError(qPrintable(error));
            break;
        }
        // The time, then the peaks of the card window, the first zoom and the largest zoom.
        const QList<QByteArray> figures = output->trimmed().split(' ');
        const double cardWindowKib = figures.value(1).toDouble();
        state.SetIterationTime(figures.value(0).toDouble() / 1e9);
        firstZoomMib = (figures.value(2).toDouble() - cardWindowKib) / kKibPerMib;
        largestZoomMib = (figures.value(3).toDouble() - cardWindowKib) / kKibPerMib;
    }
    state.counters["first_zoom_above_card_window_MB"] = firstZoomMib;
    state.counters["largest_zoom_above_card_window_MB"] = largestZoomMib;
}

// Brings every page of the preview into view in turn, each drawn as the screen draws it. The height of
// the column of pages.
int scrollThrough(QAbstractScrollArea* pages, int cards)
{
    QScrollBar* bar = pages->verticalScrollBar();
    const int column = bar->maximum() + bar->pageStep();
    for (int card = 0; card < cards; ++card) {
        bar->setValue(column / cards * card);
        pages->viewport()->repaint();
    }
    return column;
}

void entrySizes(benchmark::internal::Benchmark* benchmark)
{
    benchmark->Arg(10'000)
        ->Arg(100'000)
        ->Arg(1'000'000)
        ->Complexity(benchmark::oN)
        ->Unit(benchmark::kMillisecond);
}

} // namespace

BENCHMARK(BM_PlainFileRead)->Apply(entrySizes);
BENCHMARK(BM_CardWindowOpen)->Apply(entrySizes);
BENCHMARK(BM_CardWindowRegister)->Apply(entrySizes);
BENCHMARK(BM_CardWindowDelete)->Apply(entrySizes);
BENCHMARK(BM_CardWindowCopyAll)->Arg(1'000'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CardWindowMemory)
    ->Arg(10'000)
    ->Arg(100'000)
    ->Arg(1'000'000)
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
// 1,500 entries are 300 cards.
BENCHMARK(BM_PreviewMemory)->Arg(1'500)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);

// Opens the LOTO6 card window on the folder's print file and draws it, then writes how long that took in
// nanoseconds, the process's peak resident memory in KiB and how many rows the list shows.
int cardWindowChild(int argc, char* argv[])
{
    QApplication application(argc, argv);
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() != 3)
        return 2;
    Desk desk {QDir(arguments.at(2))};
    const qint64 start = monotonicNanoseconds();
    desk.openCard();
    const qint64 elapsed = monotonicNanoseconds() - start;
    if (Desk::cardWindow() == nullptr)
        return 1;
    std::printf("%lld %s %d\n", static_cast<long long>(elapsed), peakResidentKib().constData(),
        Desk::control<QListView>("List1")->model()->rowCount());
    return 0;
}

// Opens the LOTO6 card window on the folder's print file, then its preview, which is drawn and scrolled
// through at the first zoom, then zoomed in to the largest and scrolled through again. Writes how long the
// preview took to open and be drawn in nanoseconds, then the peak resident memory in KiB with the card
// window open, after the first zoom and after the largest.
int previewChild(int argc, char* argv[])
{
    QApplication application(argc, argv);
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() != 3)
        return 2;
    Desk desk {QDir(arguments.at(2))};
    desk.openCard();
    if (Desk::cardWindow() == nullptr)
        return 1;
    constexpr int kEntriesPerCard = 5;
    const int entries = Desk::control<QListView>("List1")->model()->rowCount();
    const int cards = std::max(1, (entries + kEntriesPerCard - 1) / kEntriesPerCard);
    const QByteArray cardWindowKib = peakResidentKib();
    QByteArray firstZoomKib;
    QByteArray largestZoomKib;
    qint64 elapsed = 0;
    const qint64 start = monotonicNanoseconds();
    QTimer::singleShot(0, [&] {
        auto* preview = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (preview == nullptr)
            return;
        // Whatever showing it left to draw.
        QApplication::processEvents();
        elapsed = monotonicNanoseconds() - start;
        auto* pages = preview->findChild<QAbstractScrollArea*>(QStringLiteral("Picture1"));
        const int firstColumn = scrollThrough(pages, cards);
        firstZoomKib = peakResidentKib();
        // From 96 dots per inch, three doublings reach the largest zoom, 768.
        for (int step = 0; step < 3; ++step)
            preview->findChild<QPushButton*>(QStringLiteral("cmdZoomIn"))->click();
        // The captions keep their size, so the column grows a little less than the pages.
        constexpr int kNearlyEightTimes = 7;
        if (scrollThrough(pages, cards) > kNearlyEightTimes * firstColumn)
            largestZoomKib = peakResidentKib();
        preview->reject();
    });
    Desk::control<QPushButton>("Command5")->click();
    if (largestZoomKib.isEmpty())
        return 1;
    std::printf("%lld %s %s %s\n", static_cast<long long>(elapsed), cardWindowKib.constData(),
        firstZoomKib.constData(), largestZoomKib.constData());
    return 0;
}

} // namespace bench
