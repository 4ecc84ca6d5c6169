// Speed of the script preview and the script generator's main actions.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextCursor>
#include <chrono>
#include <deque>

#include "bench_support.h"
#include "common/ui/platform.h"
#include "script/ui/form3.h"
#include "script/ui/script_preview.h"

namespace {

using trellan::ScriptPreview;
using trellan::TForm3;

const QString kLine = QStringLiteral("deletefile:/tpa/preset/system/sound/messagealert1.mid");

// Answers every dialog at once from a queue; never shows a box.
class BenchPlatform final : public trellan::Platform {
public:
    std::deque<QString> openAnswers;
    QString saveAnswer;

    bool shellOpen(QWidget*, const QString&) override { return false; }
    std::optional<QString> clipboardText() override { return std::nullopt; }

protected:
    void runMessageBox(QWidget*, const QString&, const QString&, trellan::MessageIcon) override {}
    std::optional<QString> runOpenDialog(QWidget*, const trellan::FileDialogOptions&) override {
        if (openAnswers.empty()) return std::nullopt;
        QString answer = openAnswers.front();
        openAnswers.pop_front();
        return answer;
    }
    std::optional<QString> runSaveDialog(QWidget*, const trellan::FileDialogOptions&) override {
        return saveAnswer;
    }
};

template <typename F>
double secondsOf(F&& f) {
    const auto start = std::chrono::steady_clock::now();
    f();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Removes the last `count` lines of `length` characters that the benchmark
// appended, so the preview keeps its size however many rounds run.
void dropLastLines(ScriptPreview& preview, int count, int length) {
    QTextDocument* doc = preview.document();
    doc->setUndoRedoEnabled(false);
    QTextCursor cursor(doc);
    cursor.movePosition(QTextCursor::End);
    cursor.movePosition(QTextCursor::Left, QTextCursor::KeepAnchor, count * (length + 1));
    cursor.removeSelectedText();
    // Compacts the text buffer now, while undo is off, rather than in a timed append.
    doc->setUndoRedoEnabled(false);
    doc->setUndoRedoEnabled(true);
}

// state.range(0): the preview's lines before the append; range(1): shown or not.
// Only the append is timed. An empty preview is emptied again after every
// append; the 100,000-line preview loses its appended lines every thousand
// rounds, so it never holds more than 101,000.
void BM_PreviewAppendLine(benchmark::State& state) {
    constexpr int kBatch = 1000;
    ScriptPreview preview(nullptr);
    preview.resize(369, 105);
    if (state.range(1) != 0) preview.show();
    for (int64_t i = 0; i < state.range(0); ++i) preview.appendLine(kLine);
    QApplication::processEvents();
    int appended = 0;
    for (auto _ : state) {
        state.SetIterationTime(secondsOf([&] { preview.appendLine(kLine); }));
        if (state.range(0) == 0) {
            preview.clear();
        } else if (++appended == kBatch) {
            dropLastLines(preview, appended, int(kLine.size()));
            appended = 0;
        }
    }
}
BENCHMARK(BM_PreviewAppendLine)
    ->ArgNames({"lines", "shown"})
    ->ArgsProduct({{0, 100000}, {0, 1}})
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);

// A script generator with all six rows and the camera replaced.
struct FilledForm {
    FilledForm() : form(platform) {
        for (int i = 1; i <= 7; ++i) {
            const QString base = dir.filePath(QStringLiteral("Sounds/tone %1").arg(i));
            QDir().mkpath(QFileInfo(base).absolutePath());
            for (const char* ext : {".mid", ".amr"}) {
                QFile file(base + ext);
                file.open(QIODevice::WriteOnly);
                file.write("MThd");
            }
            platform.openAnswers.push_back(QDir::toNativeSeparators(base + ".mid"));
        }
        form.FormCreate();
        form.show();
        form.Button1Click();
        form.Button2Click();
        form.Button3Click();
        form.Button4Click();
        form.Button5Click();
        form.Button6Click();
        form.Button7Click();
    }

    QTemporaryDir dir;
    BenchPlatform platform;
    TForm3 form;
};

void BM_GenerateScript(benchmark::State& state) {
    FilledForm filled;
    for (auto _ : state) {
        filled.form.Button10Click();
    }
    state.counters["lines"] = double(filled.form.Memo1->document()->blockCount() - 1);
}
BENCHMARK(BM_GenerateScript)->Unit(benchmark::kMicrosecond);

// state.range(0): lines in the preview.
void BM_SaveScript(benchmark::State& state) {
    FilledForm filled;
    filled.platform.saveAnswer = filled.dir.filePath(QStringLiteral("trellan.txt"));
    filled.form.Memo1->setWholeText((kLine + QStringLiteral("\r\n")).repeated(int(state.range(0))));
    for (auto _ : state) {
        filled.form.Button11Click();
    }
    state.SetBytesProcessed(state.iterations() * QFileInfo(filled.platform.saveAnswer).size());
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_SaveScript)
    ->Arg(50000)
    ->Arg(100000)
    ->Arg(200000)
    ->Complexity(benchmark::oN)
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return trellan::bench::runBenchmarks(argc, argv); }
