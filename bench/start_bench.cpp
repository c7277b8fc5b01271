// The program's start, from the moment it is launched until its main window has been drawn once: the
// benchmark program launches itself as the program would be launched, and the child says when.
#include "app/program.h"
#include "bench/bench_folders.h"
#include "bench/child_process.h"

#include <QApplication>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <cstdio>

namespace bench {

namespace {

void BM_ProgramStart(benchmark::State& state)
{
    const QDir& folder = folderWithEntries(0);
    while (state.KeepRunning()) {
        QString error;
        const qint64 launched = monotonicNanoseconds();
        const std::optional<QByteArray> output
            = runChild({QString::fromLatin1(kStartChild), folder.path()}, error);
        if (!output) {
            state.SkipWithError(qPrintable(error));
            break;
        }
        state.SetIterationTime(static_cast<double>(output->trimmed().toLongLong() - launched) / 1e9);
    }
}

// Notes when the main window has been drawn: after its first paint, once the event loop is back.
class FirstPaint final : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && watched->objectName() == QStringLiteral("Form1") && !m_seen) {
            m_seen = true;
            QTimer::singleShot(0, [] {
                std::printf("%lld\n", static_cast<long long>(monotonicNanoseconds()));
                QApplication::quit();
            });
        }
        return false;
    }

private:
    bool m_seen = false;
};

} // namespace

BENCHMARK(BM_ProgramStart)->UseManualTime()->Unit(benchmark::kMillisecond);

// Starts as the program does, in the folder given, and writes the clock when the main window is drawn.
int startChild(int argc, char* argv[])
{
    QApplication application(argc, argv);
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() != 3)
        return 2;
    FirstPaint firstPaint;
    application.installEventFilter(&firstPaint);
    app::Program program(QDir(arguments.at(2)));
    program.start();
    return QApplication::exec();
}

} // namespace bench
