#pragma once

#include <QString>
#include <stdexcept>

namespace trellan {

// An unexpected failure that ends the running handler at the failing step.
// The event-loop guard shows it in the error box; it never crosses the loop.
class Failure : public std::runtime_error {
public:
    explicit Failure(const QString& text);
    const QString& text() const { return text_; }

private:
    QString text_;
};

// "Cannot open file "%s". %s" / "Cannot create file "%s". %s" with the native path.
Failure cannotOpen(const QString& path, const QString& reason);
Failure cannotCreate(const QString& path, const QString& reason);

// The error box text: a full stop is added when the last character sorts after '.'.
QString errorBoxText(const QString& failureText);

}  // namespace trellan
