#include "common/native_file.h"

#include <QFileInfo>
#include <QStandardPaths>
#include <QtGlobal>

#ifdef Q_OS_WIN
#include <io.h>
#include <windows.h>
// clang-format off: after windows.h, which it builds on
#include <shellapi.h>
// clang-format on

#include <cstdio>
#else
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#endif

namespace trellan::native {

#ifdef Q_OS_WIN

Resolved resolveLink(const QString& link) {
    const QString target = QFileInfo(link).canonicalFilePath();
    if (target.isEmpty()) {
        return {QString(), qt_error_string(ERROR_CANT_RESOLVE_FILENAME)};
    }
    return {target, std::nullopt};
}

std::optional<QString> syncToDisk(QFile& file) {
    const auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(file.handle()));
    if (!FlushFileBuffers(handle)) {
        return qt_error_string(static_cast<int>(GetLastError()));
    }
    return std::nullopt;
}

// Windows keeps no owner bits to copy; the read-only attribute was checked before.
std::optional<QString> copyIdentity(QFile&, const QString&) { return std::nullopt; }

std::optional<QString> replace(const QString& from, const QString& to) {
    const auto wide = [](const QString& path) {
        return reinterpret_cast<const wchar_t*>(path.utf16());
    };
    if (!MoveFileExW(wide(from), wide(to), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        return qt_error_string(static_cast<int>(GetLastError()));
    }
    return std::nullopt;
}

// ---- Start-up: the command line, the console, the settings store ----

std::optional<QStringList> wideArguments() {
    int count = 0;
    wchar_t** words = CommandLineToArgvW(GetCommandLineW(), &count);
    if (words == nullptr) {
        return std::nullopt;
    }
    QStringList arguments;
    for (int i = 0; i < count; ++i) {
        arguments << QString::fromWCharArray(words[i]);
    }
    LocalFree(words);
    return arguments;
}

void attachParentConsole() {
    static bool tried = false;
    if (tried) {
        return;
    }
    tried = true;
    const auto leadsNowhere = [](DWORD which) {
        const HANDLE handle = GetStdHandle(which);
        return handle == nullptr || handle == INVALID_HANDLE_VALUE ||
               GetFileType(handle) == FILE_TYPE_UNKNOWN;
    };
    const bool out = leadsNowhere(STD_OUTPUT_HANDLE);
    const bool err = leadsNowhere(STD_ERROR_HANDLE);
    if ((!out && !err) || !AttachConsole(ATTACH_PARENT_PROCESS)) {
        return;
    }
    // A failed reopen leaves the stream leading nowhere, as it did.
    if (out) {
        std::freopen("CONOUT$", "w", stdout);
    }
    if (err) {
        std::freopen("CONOUT$", "w", stderr);
    }
}

std::optional<QString> nativeSettingsFile(const QString&, const QString&) { return std::nullopt; }

// ---- End of start-up ----

#else

// Qt's canonical path takes a link loop for a file of its own.
Resolved resolveLink(const QString& link) {
    char* target = ::realpath(QFile::encodeName(link).constData(), nullptr);
    if (target == nullptr) {
        return {QString(), qt_error_string(errno)};
    }
    Resolved resolved{QFile::decodeName(target), std::nullopt};
    std::free(target);
    return resolved;
}

std::optional<QString> syncToDisk(QFile& file) {
    if (::fsync(file.handle()) != 0) {
        return qt_error_string(errno);
    }
    return std::nullopt;
}

std::optional<QString> copyIdentity(QFile& file, const QString& original) {
    struct stat status {};
    if (::stat(QFile::encodeName(original).constData(), &status) != 0) {
        return qt_error_string(errno);
    }
    // Only root may give a file away; a user's rewrite keeps the user's own.
    if (::fchown(file.handle(), status.st_uid, status.st_gid) != 0) {
        if (errno != EPERM) {
            return qt_error_string(errno);
        }
        // The group alone, where the user belongs to it.
        if (::fchown(file.handle(), static_cast<uid_t>(-1), status.st_gid) != 0 && errno != EPERM) {
            return qt_error_string(errno);
        }
    }
    // After fchown, which clears setuid and setgid.
    if (::fchmod(file.handle(), status.st_mode & 07777) != 0) {
        return qt_error_string(errno);
    }
    return std::nullopt;
}

std::optional<QString> replace(const QString& from, const QString& to) {
    if (std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) != 0) {
        return qt_error_string(errno);
    }
    return std::nullopt;
}

// ---- Start-up: the command line, the console, the settings store ----

std::optional<QStringList> wideArguments() { return std::nullopt; }

void attachParentConsole() {}

// Where QSettings puts an INI file of the user scope on Linux.
std::optional<QString> nativeSettingsFile(const QString& organisation, const QString& application) {
    QString file =
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QLatin1Char('/');
    file += organisation;
    if (!application.isEmpty()) {
        file += QLatin1Char('/') + application;
    }
    return file + QStringLiteral(".conf");
}

// ---- End of start-up ----

#endif

}  // namespace trellan::native
