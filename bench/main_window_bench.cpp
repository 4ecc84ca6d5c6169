// The main window's actions on large inputs, each timed with the repaint it causes.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QTemporaryDir>
#include <memory>

#include "bench_support.h"
#include "main_window/ui/form1.h"
#include "main_window/ui/list_box.h"

namespace {

using trellan::bench::writeFile;

QByteArray customizeTemplate(qsizetype bytes) {
    QByteArray xml;
    xml.reserve(bytes + 100);
    for (int i = 0; xml.size() < bytes; ++i) {
        xml += "    <setting name=\"entry" + QByteArray::number(i) +
               "\" value=\"some value of a typical customization line\"/>\r\n";
    }
    return xml;
}

// A shown main window over a temporary data folder.
class Fixture {
public:
    ~Fixture() { trellan::bench::failOnMessageBoxes(platform_); }
    void write(const QString& relative, const QByteArray& bytes) {
        writeFile(dir_.filePath(relative), bytes);
    }
    trellan::TForm1& start() {
        form_ = std::make_unique<trellan::TForm1>(platform_, dir_.path());
        form_->FormCreate();
        form_->show();
        QApplication::processEvents();
        return *form_;
    }

private:
    QTemporaryDir dir_;
    trellan::UnattendedPlatform platform_;
    std::unique_ptr<trellan::TForm1> form_;
};

// "Clear all fields" on a model catalogue of N models: read, list, repaint.
void BM_LoadModelList(benchmark::State& state) {
    Fixture fixture;
    QByteArray models;
    for (int i = 0; i < state.range(0); ++i) {
        models += "Model" + QByteArray::number(i) + "\r\n";
    }
    fixture.write("cda/models.cdt", models);
    fixture.write("tpa/preset/custom/customize.xml", customizeTemplate(4000));
    trellan::TForm1& form = fixture.start();
    for (auto _ : state) {
        form.FormCreate();
        QApplication::processEvents();
    }
    if (form.ListBox1->count() != state.range(0)) state.SkipWithError("wrong model count");
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_LoadModelList)
    ->Arg(50'000)
    ->Arg(100'000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

// Choosing a model whose variant catalogue has N entries (7N lines).
void BM_ChooseModel(benchmark::State& state) {
    Fixture fixture;
    fixture.write("cda/models.cdt", "Big\r\n");
    QByteArray variants;
    for (int i = 0; i < state.range(0); ++i) {
        variants += "FS variant " + QByteArray::number(i) +
                    "\r\nGermany\r\nT-Mobile\r\nCDA102345/22\r\nR1A\r\nEN DE FR IT\r\n-\r\n";
    }
    fixture.write("cda/Big.cdt", variants + "#\r\n");
    fixture.write("tpa/preset/custom/customize.xml", customizeTemplate(4000));
    trellan::TForm1& form = fixture.start();
    form.ListBox1->setCurrentRow(0);
    for (auto _ : state) {
        form.ListBox1Click();
        QApplication::processEvents();
    }
    if (form.ListBox2->count() != state.range(0)) state.SkipWithError("wrong entry count");
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_ChooseModel)
    ->Arg(50'000)
    ->Arg(100'000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

// "Update customize.xml" on a template of N bytes: replace, write atomically, reread.
void BM_UpdateCustomizeXml(benchmark::State& state) {
    Fixture fixture;
    fixture.write("cda/models.cdt", "K750\r\n");
    fixture.write("cda/K750.cdt",
                  "K750 Generic\r\nGermany\r\nT-Mobile\r\nCDA102345/22\r\nR1A\r\nEN\r\n-\r\n#\r\n");
    fixture.write("tpa/preset/custom/customize.xml", customizeTemplate(state.range(0)));
    trellan::TForm1& form = fixture.start();
    form.ListBox1->setCurrentRow(0);
    form.ListBox1Click();
    form.ListBox2->setCurrentRow(0);
    form.ListBox2Click();
    for (auto _ : state) {
        form.Button1Click();
        QApplication::processEvents();
    }
    if (!form.Panel3->text().startsWith("File \"customize.xml\" updated")) {
        state.SkipWithError("not written");
    }
    state.SetBytesProcessed(state.iterations() * state.range(0));
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_UpdateCustomizeXml)
    ->Arg(512 << 10)
    ->Arg(1 << 20)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

}  // namespace

int main(int argc, char** argv) { return trellan::bench::runBenchmarks(argc, argv); }
