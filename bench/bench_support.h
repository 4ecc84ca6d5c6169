#pragma once

// Shared by the benchmarks: a platform that answers nothing, file writing and
// a main that runs the benchmarks under an offscreen QApplication.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <optional>

#include "common/ui/platform.h"

namespace trellan::bench {

// Dialogs are cancelled and the shell fails; a message box is a broken run
// unless boxes are allowed.
class SilentPlatform final : public Platform {
public:
    explicit SilentPlatform(bool boxesAllowed = false) : boxesAllowed_(boxesAllowed) {}

    void messageBox(QWidget*, const QString&, const QString& text, MessageIcon) override {
        if (!boxesAllowed_) {
            qFatal("unexpected message box: %s", qPrintable(text));
        }
    }
    bool shellOpen(QWidget*, const QString&) override { return false; }
    std::optional<QString> clipboardText() override { return std::nullopt; }

protected:
    std::optional<QString> runOpenDialog(QWidget*, const FileDialogOptions&) override {
        return std::nullopt;
    }
    std::optional<QString> runSaveDialog(QWidget*, const FileDialogOptions&) override {
        return std::nullopt;
    }

private:
    bool boxesAllowed_;
};

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
