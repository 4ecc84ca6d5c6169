#pragma once

#include <QObject>
#include <exception>
#include <new>
#include <utility>

#include "common/failure.h"
#include "common/ui/platform.h"

namespace trellan {

// Runs one event or creation handler. A failure ends it at the failing step and
// shows the error box; no exception ever reaches the Qt event loop.
template <typename Handler>
void runGuarded(Platform& platform, Handler&& handler) noexcept {
    try {
        std::forward<Handler>(handler)();
    } catch (const Failure& failure) {
        platform.showError(failure.text());
    } catch (const std::bad_alloc&) {
        platform.showError(QStringLiteral("Not enough memory: the action was stopped"));
    } catch (const std::exception& error) {
        platform.showError(QString::fromLocal8Bit(error.what()));
    } catch (...) {
        platform.showError(QStringLiteral("Unknown error"));
    }
}

// Connects a signal to a handler that runs guarded.
template <typename Sender, typename Signal, typename Handler>
void connectGuarded(Platform& platform, Sender* sender, Signal signal, QObject* context,
                    Handler handler) {
    QObject::connect(sender, signal, context,
                     [&platform, handler](auto&&...) { runGuarded(platform, handler); });
}

// Connects a radio button to a handler that runs guarded whenever the button
// becomes selected, by the user or by the program; never when it is left.
template <typename Radio, typename Handler>
void connectSelected(Platform& platform, Radio* radio, QObject* context, Handler handler) {
    QObject::connect(radio, &Radio::toggled, context, [&platform, handler](bool checked) {
        if (checked) {
            runGuarded(platform, handler);
        }
    });
}

}  // namespace trellan
