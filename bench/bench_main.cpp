// The benchmarks run in one process with a QApplication, on the offscreen platform unless another is
// named; the program's start and the print run run in processes of their own (child_process.h).
#include "bench/child_process.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <string_view>

namespace {

// The offscreen platform says this of every window shown; it is not the program's to mend.
void dropOffscreenNoise(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message == QStringLiteral("This plugin does not support propagateSizeHints()"))
        return;
    qt_message_output(type, context, message);
}

} // namespace

int main(int argc, char* argv[])
{
    qInstallMessageHandler(dropOffscreenNoise);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc > 1 && std::string_view(argv[1]) == bench::kStartChild)
        return bench::startChild(argc, argv);
    if (argc > 1 && std::string_view(argv[1]) == bench::kPrintChild)
        return bench::printChild(argc, argv);
    if (argc > 1 && std::string_view(argv[1]) == bench::kCardWindowChild)
        return bench::cardWindowChild(argc, argv);
    if (argc > 1 && std::string_view(argv[1]) == bench::kPreviewChild)
        return bench::previewChild(argc, argv);

    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
