#pragma once

#include <QObject>

#include "common/native_file.h"

class QSocketNotifier;

namespace trellan {

// While it lives, SIGINT, SIGTERM and SIGHUP end the program through the event
// loop, so between two actions and never inside a save; QCoreApplication::exec()
// then returns 128 + the signal's number, as a shell expects. Nothing on Windows.
class QuitOnSignal : public QObject {
    Q_OBJECT
public:
    explicit QuitOnSignal(QObject* parent = nullptr);

private:
    native::SignalPipe pipe_;
};

}  // namespace trellan
