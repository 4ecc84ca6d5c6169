#pragma once

#include <QObject>

#include "common/native_file.h"

class QSocketNotifier;

namespace trellan {

// While it lives, SIGINT, SIGTERM and SIGHUP (on Windows a console's Ctrl+C,
// Ctrl+Break or closing) end the program through the event loop, so between
// two actions and never inside a save; QCoreApplication::exec() then returns
// 128 + the signal's number, as a shell expects. The folder dialog's own loop
// ends too: received() tells the program not to go on after it.
class QuitOnSignal : public QObject {
    Q_OBJECT
public:
    explicit QuitOnSignal(QObject* parent = nullptr);
    // The number of the signal that ended the event loops, or 0.
    int received() const { return received_; }

private:
    void quit();

    native::SignalPipe pipe_;
    int received_ = 0;
};

}  // namespace trellan
