#include "common/failure.h"

#include <QDir>

namespace trellan {

Failure::Failure(const QString& text) : std::runtime_error(text.toStdString()), text_(text) {}

Failure cannotOpen(const QString& path, const QString& reason) {
    return Failure(
        QStringLiteral("Cannot open file \"%1\". %2").arg(QDir::toNativeSeparators(path), reason));
}

Failure cannotCreate(const QString& path, const QString& reason) {
    return Failure(QStringLiteral("Cannot create file \"%1\". %2")
                       .arg(QDir::toNativeSeparators(path), reason));
}

QString errorBoxText(const QString& failureText) {
    if (!failureText.isEmpty() && failureText.back() > QLatin1Char('.')) {
        return failureText + QLatin1Char('.');
    }
    return failureText;
}

}  // namespace trellan
