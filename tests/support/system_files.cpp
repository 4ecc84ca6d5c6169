#include "support/system_files.h"

#include <QDir>
#include <QFile>

#ifdef Q_OS_WIN
#include <windows.h>

#include <string>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace trellan::testing {

#ifdef Q_OS_WIN

namespace {
std::wstring wide(const QString& path) { return QDir::toNativeSeparators(path).toStdWString(); }
}  // namespace

bool makeHardLink(const QString& existing, const QString& link) {
    return CreateHardLinkW(wide(link).c_str(), wide(existing).c_str(), nullptr);
}

HeldFile::HeldFile(const QString& path) {
    const HANDLE handle = CreateFileW(wide(path).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle != INVALID_HANDLE_VALUE) {
        handle_ = reinterpret_cast<std::intptr_t>(handle);
    }
}

void HeldFile::release() {
    if (held()) {
        CloseHandle(reinterpret_cast<HANDLE>(handle_));
        handle_ = -1;
    }
}

#else

bool makeHardLink(const QString& existing, const QString& link) {
    return ::link(QFile::encodeName(existing).constData(), QFile::encodeName(link).constData()) ==
           0;
}

HeldFile::HeldFile(const QString& path) {
    handle_ = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
}

void HeldFile::release() {
    if (held()) {
        ::close(static_cast<int>(handle_));
        handle_ = -1;
    }
}

#endif

}  // namespace trellan::testing
