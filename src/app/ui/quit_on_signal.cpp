#include "app/ui/quit_on_signal.h"

#include <QApplication>
#include <QFileDialog>
#include <QSocketNotifier>

namespace trellan {

QuitOnSignal::QuitOnSignal(QObject* parent)
    : QObject(parent), pipe_([this] {
          // From the system's thread, into the event loop.
          QMetaObject::invokeMethod(this, &QuitOnSignal::quit, Qt::QueuedConnection);
      }) {
    if (pipe_.readEnd() < 0) {
        return;
    }
    auto* notifier = new QSocketNotifier(pipe_.readEnd(), QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, &QuitOnSignal::quit);
}

void QuitOnSignal::quit() {
    const int number = pipe_.take();
    if (number == 0) {
        return;
    }
    received_ = number;
    // A native file dialog (Windows') runs a loop of its own, which exit() does
    // not end; rejected, it closes.
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* dialog = qobject_cast<QFileDialog*>(window); dialog && dialog->isVisible()) {
            dialog->reject();
        }
    }
    QCoreApplication::exit(128 + number);
}

}  // namespace trellan
