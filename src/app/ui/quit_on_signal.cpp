#include "app/ui/quit_on_signal.h"

#include <QCoreApplication>
#include <QSocketNotifier>

namespace trellan {

QuitOnSignal::QuitOnSignal(QObject* parent) : QObject(parent) {
    if (pipe_.readEnd() < 0) {
        return;
    }
    auto* notifier = new QSocketNotifier(pipe_.readEnd(), QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, [this] {
        if (const int number = pipe_.take()) {
            QCoreApplication::exit(128 + number);
        }
    });
}

}  // namespace trellan
