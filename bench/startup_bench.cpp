// Time from process start to the main window's first paint: the real program
// with its four windows on the shipped sample data, against a bare Qt window
// with the same number of widgets, started alternately in the same run.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QWidget>
#include <algorithm>
#include <chrono>
#include <vector>

#include "app/ui/window_set.h"
#include "bench_support.h"
#include "support/sample_data.h"

namespace {

int countWidgets(const QString& dir) {
    trellan::UnattendedPlatform platform;
    trellan::AppContext context{platform, dir, QCoreApplication::applicationDirPath() + "/../"};
    const auto before = QApplication::allWidgets().size();
    trellan::Windows windows(context);
    const auto count = static_cast<int>(QApplication::allWidgets().size() - before);
    trellan::bench::failOnMessageBoxes(platform);
    return count;
}

struct Startup {
    double wallMs;  // from starting the process to its first paint
    double cpuMs;   // processor time the process used until then
};

Startup startup(const QString& program, const QStringList& arguments, const QString& workDir) {
    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
    process.setWorkingDirectory(workDir);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("TRELLAN_REPORT_FIRST_PAINT", "1");
    process.setProcessEnvironment(env);
    const auto started = std::chrono::duration_cast<std::chrono::microseconds>(
        std::chrono::system_clock::now().time_since_epoch());
    process.start();
    if (!process.waitForFinished(30000)) {
        process.kill();
        qFatal("%s did not finish", qPrintable(program));
    }
    for (const QByteArray& line : process.readAllStandardOutput().split('\n')) {
        const QList<QByteArray> fields = line.trimmed().split(' ');
        if (fields.size() == 4 && fields[0] == "first-paint-us" && fields[2] == "cpu-us") {
            return {static_cast<double>(fields[1].toLongLong() - started.count()) / 1000.0,
                    static_cast<double>(fields[3].toLongLong()) / 1000.0};
        }
    }
    qFatal("%s reported no first paint", qPrintable(program));
    return {};
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void BM_StartupToFirstPaint(benchmark::State& state) {
    QTemporaryDir dir;
    if (!trellan::testing::copySampleData(dir.path())) qFatal("cannot copy the sample data");
    const QString binDir = QCoreApplication::applicationDirPath();
    const QString trellan = QDir(binDir).absoluteFilePath("../trellan");
    const QString bare = QDir(binDir).absoluteFilePath("bare_window");
    const int widgets = countWidgets(dir.path());
    const QStringList bareArgs{QString::number(widgets)};
    // Warm the page cache and the font cache for both.
    startup(trellan, {}, dir.path());
    startup(bare, bareArgs, dir.path());

    std::vector<double> trellanWall, bareWall, trellanCpu, bareCpu;
    for (auto _ : state) {
        const Startup t = startup(trellan, {}, dir.path());
        const Startup b = startup(bare, bareArgs, dir.path());
        trellanWall.push_back(t.wallMs);
        bareWall.push_back(b.wallMs);
        trellanCpu.push_back(t.cpuMs);
        bareCpu.push_back(b.cpuMs);
        state.SetIterationTime(t.wallMs / 1000.0);
    }
    state.counters["widgets"] = widgets;
    state.counters["trellan_ms"] = median(trellanWall);
    state.counters["bare_ms"] = median(bareWall);
    state.counters["ratio"] = median(trellanWall) / median(bareWall);
    state.counters["trellan_cpu_ms"] = median(trellanCpu);
    state.counters["bare_cpu_ms"] = median(bareCpu);
    state.counters["cpu_ratio"] = median(trellanCpu) / median(bareCpu);
}
BENCHMARK(BM_StartupToFirstPaint)->UseManualTime()->Iterations(21)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return trellan::bench::runBenchmarks(argc, argv); }
