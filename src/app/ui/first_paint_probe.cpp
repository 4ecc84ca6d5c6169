#include "app/ui/first_paint_probe.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>
#include <chrono>
#include <cstdio>
#include <ctime>

namespace trellan {
namespace {

class FirstPaintProbe : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            // Queued: runs once the whole window has been painted and flushed.
            QMetaObject::invokeMethod(
                this,
                [] {
                    const auto now = std::chrono::duration_cast<std::chrono::microseconds>(
                        std::chrono::system_clock::now().time_since_epoch());
                    const auto cpu =
                        static_cast<long long>(std::clock()) * 1000000 / CLOCKS_PER_SEC;
                    std::printf("first-paint-us %lld cpu-us %lld\n",
                                static_cast<long long>(now.count()), cpu);
                    std::fflush(stdout);
                    QCoreApplication::quit();
                },
                Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool seen_ = false;
};

}  // namespace

void reportFirstPaint(QWidget* window) { window->installEventFilter(new FirstPaintProbe(window)); }

bool firstPaintReportAsked() { return qEnvironmentVariableIsSet("TRELLAN_REPORT_FIRST_PAINT"); }

void reportFirstPaintIfAsked(QWidget* window) {
    if (firstPaintReportAsked()) {
        reportFirstPaint(window);
    }
}

}  // namespace trellan
