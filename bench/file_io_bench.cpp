// Speed of saving a large file on each of the two paths: a new file renamed over
// the old one, and the rewrite in place (taken here by a second hard link), which
// also sets the old bytes aside and locks the file.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QFile>
#include <QTemporaryDir>

#include "bench_support.h"
#include "common/file_io.h"

namespace {

// 100,000 script lines, about 5 MB.
QByteArray manyLines() {
    QByteArray bytes;
    for (int i = 0; i < 100000; ++i) {
        bytes +=
            "deletefile:/tpa/preset/system/sound/messagealert" + QByteArray::number(i) + "\r\n";
    }
    return bytes;
}

void save(benchmark::State& state, bool inPlace) {
    QTemporaryDir dir;
    const QString file = dir.filePath("trellan.txt");
    const QByteArray bytes = manyLines();
    trellan::bench::writeFile(file, bytes);
    if (inPlace && ::link(QFile::encodeName(file).constData(),
                          QFile::encodeName(dir.filePath("second name")).constData()) != 0) {
        state.SkipWithError("no hard links here");
        return;
    }
    for (auto _ : state) {
        trellan::writeWholeFileAtomically(file, bytes);
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
}

void BM_SaveThroughANewFile(benchmark::State& state) { save(state, false); }
void BM_SaveInPlace(benchmark::State& state) { save(state, true); }
BENCHMARK(BM_SaveThroughANewFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveInPlace)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return trellan::bench::runBenchmarks(argc, argv); }
