#pragma once

// Shared by the benchmarks: file writing and a main that runs the benchmarks
// under an offscreen QApplication. Windows get the UnattendedPlatform, and a
// message box makes the run a broken one (failOnMessageBoxes).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "app/ui/unattended_platform.h"

namespace trellan::bench {

// Ends a benchmark run whose windows showed a message box (printed to stderr):
// its figures would time an error path.
inline void failOnMessageBoxes(const UnattendedPlatform& platform) {
    if (platform.boxesShown() > 0) {
        qFatal("unexpected message box");
    }
}

inline void writeFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        qFatal("cannot write %s", qPrintable(path));
    }
}

inline int runBenchmarks(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

}  // namespace trellan::bench
