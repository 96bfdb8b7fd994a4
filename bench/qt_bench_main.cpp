#include <QApplication>

#include <benchmark/benchmark.h>

// The main of the benchmarks that paint: real fonts and widgets need an application, on the
// offscreen platform unless the caller chose one.
int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
