// The LOTO6 card window on long print files: opening it, registering an entry and deleting one, each
// until the list shows the print file again; beside them, plain reading of the same file.
#include "app/navigator.h"
#include "app/system_info.h"
#include "bench/bench_folders.h"
#include "fakes.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QListView>
#include <QMouseEvent>
#include <QPushButton>
#include <algorithm>
#include <benchmark/benchmark.h>

namespace bench {

namespace {

constexpr char kEntry[] = "011522304143";

// The windows with stand-ins for the outside world; the delete question is answered Yes.
class Desk {
public:
    explicit Desk(const QDir& folder)
        : m_navigator({m_prompter, m_printers, m_random, m_clock, folder}, {m_launcher, m_registry})
    {
        m_navigator.loadMain();
        settle();
    }

    static void settle() { QApplication::processEvents(); }

    void openCard()
    {
        m_navigator.openCard(tickets::Lottery::Loto6);
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
    app::NoRegistry m_registry;
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

// Puts the print file's bytes back after a benchmark changed it.
void restore(const QDir& folder, const QByteArray& bytes)
{
    QFile file(printFilePath(folder));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot restore %s", qPrintable(file.fileName()));
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

} // namespace bench
