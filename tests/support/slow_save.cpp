// A second program for the file tests, which need a real process to send a signal
// to or to hold a lock:
//   test_slow_save save FILE SIZE FILL DELAY_MS [quit]
//     replaces FILE with SIZE bytes FILL, announcing each step of the replacement
//     on a line of its own ("step N") and pausing DELAY_MS in it; "saved" or
//     "failed: TEXT" at the end. With "quit", it runs an event loop that a signal
//     ends, as the program's does.
//   test_slow_save lock FILE HOLD_MS
//     takes the lock a replacement in place takes, says "locked", holds it HOLD_MS.

#include <QCoreApplication>
#include <QFile>
#include <QThread>
#include <QTimer>
#include <cstdio>

#include "app/ui/quit_on_signal.h"
#include "common/failure.h"
#include "common/file_io.h"
#include "common/native_file.h"
#include "support/write_fault.h"

using namespace trellan;

namespace {

void say(const QByteArray& line) {
    std::fputs((line + '\n').constData(), stdout);
    std::fflush(stdout);
}

int save(const QString& path, const QByteArray& bytes, int delayMs) {
    std::vector<std::unique_ptr<ScopedWriteFault>> pauses;
    for (int step = int(WriteStep::CreateTemporary); step <= int(WriteStep::Close); ++step) {
        pauses.push_back(std::make_unique<ScopedWriteFault>(
            WriteStep(step), [step, delayMs](const QString&) -> std::optional<StepFault> {
                say("step " + QByteArray::number(step));
                QThread::msleep(static_cast<unsigned long>(delayMs));
                return std::nullopt;
            }));
    }
    try {
        writeWholeFileAtomically(path, bytes);
    } catch (const Failure& failure) {
        say("failed: " + failure.text().toUtf8());
        return 1;
    }
    say("saved");
    return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() >= 6 && args[1] == QLatin1String("save")) {
        const QByteArray bytes(args[3].toInt(), args[4].at(0).toLatin1());
        const int delayMs = args[5].toInt();
        if (args.size() < 7) {
            return save(args[2], bytes, delayMs);
        }
        const QuitOnSignal quitOnSignal;
        QTimer::singleShot(0, [&] {
            const int status = save(args[2], bytes, delayMs);
            // Time for a signal that came during the save to end the loop.
            QTimer::singleShot(1000, [status] { QCoreApplication::exit(status); });
        });
        return QCoreApplication::exec();
    }
    if (args.size() == 4 && args[1] == QLatin1String("lock")) {
        QFile file(args[2]);
        if (!file.open(QIODevice::ReadWrite) || native::lockExclusive(file, 0)) {
            say("cannot lock");
            return 1;
        }
        say("locked");
        QThread::msleep(args[3].toULong());
        return 0;
    }
    say("usage: test_slow_save save FILE SIZE FILL DELAY_MS [quit] | lock FILE HOLD_MS");
    return 2;
}
