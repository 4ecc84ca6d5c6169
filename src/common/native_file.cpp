#include "common/native_file.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QStandardPaths>
#include <QtGlobal>

#ifdef Q_OS_WIN
#include <fcntl.h>
#include <io.h>
#include <windows.h>
// clang-format off: after windows.h, which it builds on
#include <shellapi.h>
// clang-format on

#include <atomic>
#include <csignal>
#include <cstdio>
#include <mutex>
#include <string>
#include <utility>
#else
#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <vector>
#endif

namespace trellan::native {

#ifdef Q_OS_WIN

namespace {

// The system's own text for a Win32 error (qt_error_string reads C library numbers).
QString systemMessage(DWORD error) {
    wchar_t* buffer = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, error, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    QString text = length > 0 ? QString::fromWCharArray(buffer, int(length)).trimmed() : QString();
    LocalFree(buffer);
    return text.isEmpty() ? QStringLiteral("Windows error %1").arg(error) : text;
}

// Win32 calls get the full path with the \\?\ prefix, so that a path longer than
// MAX_PATH works here as it does through Qt.
std::wstring longPath(const QString& path) {
    const QString full =
        QDir::toNativeSeparators(QDir::cleanPath(QFileInfo(path).absoluteFilePath()));
    if (full.startsWith(QLatin1String("\\\\"))) {
        return (QLatin1String("\\\\?\\UNC\\") + full.mid(2)).toStdWString();
    }
    return (QLatin1String("\\\\?\\") + full).toStdWString();
}

HANDLE osHandle(QFile& file) { return reinterpret_cast<HANDLE>(_get_osfhandle(file.handle())); }

// What a virus scanner, the search indexer or setool2 answers while it holds the
// file for a moment.
bool passing(DWORD error) {
    switch (error) {
        case ERROR_SHARING_VIOLATION:
        case ERROR_ACCESS_DENIED:
        case ERROR_LOCK_VIOLATION:
        case ERROR_UNABLE_TO_REMOVE_REPLACED:
        case ERROR_UNABLE_TO_MOVE_REPLACEMENT:
            return true;
        default:
            return false;
    }
}

constexpr ULONGLONG kRetryMs = 1000;
constexpr DWORD kRetryPauseMs = 50;

// Tries `attempt` (true when it succeeded) again for about a second while it fails
// as another program's brief hold makes it fail. ERROR_SUCCESS or the last error.
template <typename Attempt>
DWORD retried(Attempt attempt) {
    const ULONGLONG deadline = GetTickCount64() + kRetryMs;
    for (;;) {
        if (attempt()) {
            return ERROR_SUCCESS;
        }
        const DWORD error = GetLastError();
        if (!passing(error) || GetTickCount64() >= deadline) {
            return error;
        }
        Sleep(kRetryPauseMs);
    }
}

// Hands a Win32 handle to `file`, which owns it from then on; false (and the
// handle closed) when it cannot take it.
bool adopt(QFile& file, HANDLE handle, int flags, QIODevice::OpenMode mode) {
    const int descriptor = _open_osfhandle(reinterpret_cast<intptr_t>(handle), flags | _O_BINARY);
    if (descriptor < 0) {
        CloseHandle(handle);
        return false;
    }
    if (!file.open(descriptor, mode | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle)) {
        _close(descriptor);
        return false;
    }
    return true;
}

}  // namespace

Resolved resolveLink(const QString& link) {
    const QString target = QFileInfo(link).canonicalFilePath();
    if (target.isEmpty()) {
        return {QString(), systemMessage(ERROR_CANT_RESOLVE_FILENAME)};
    }
    return {target, std::nullopt};
}

// Windows keeps no mode to hide the new file behind.
Created createNew(QFile& file, const QString& path, bool) {
    const HANDLE handle =
        CreateFileW(longPath(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_DELETE,
                    nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        return {systemMessage(error),
                error == ERROR_ACCESS_DENIED || error == ERROR_FILENAME_EXCED_RANGE};
    }
    if (!adopt(file, handle, _O_WRONLY, QIODevice::WriteOnly)) {
        DeleteFileW(longPath(path).c_str());
        return {QStringLiteral("The new file could not be opened"), false};
    }
    return {};
}

std::optional<QString> syncToDisk(QFile& file) {
    if (!FlushFileBuffers(osHandle(file))) {
        return systemMessage(GetLastError());
    }
    return std::nullopt;
}

// Windows keeps no owner bits to copy; ReplaceFileW keeps the rest.
std::optional<QString> copyIdentity(QFile&, const QString&) { return std::nullopt; }

// ReplaceFileW given no name to move the old file to may lose it on a failure,
// and Wine's always moves it: it is given one beside, which the caller removes.
Replaced replace(const QString& from, const QString& to) {
    const std::wstring source = longPath(from);
    const std::wstring target = longPath(to);
    const QString old = from + QStringLiteral(".old");
    const std::wstring aside = longPath(old);
    const ULONGLONG deadline = GetTickCount64() + kRetryMs;
    for (;;) {
        DWORD error = ERROR_SUCCESS;
        if (GetFileAttributesW(target.c_str()) == INVALID_FILE_ATTRIBUTES) {
            if (MoveFileExW(source.c_str(), target.c_str(), MOVEFILE_WRITE_THROUGH)) {
                return {};
            }
            error = GetLastError();
        } else if (ReplaceFileW(target.c_str(), source.c_str(), aside.c_str(), 0, nullptr,
                                nullptr)) {
            return {std::nullopt, old};
        } else {
            error = GetLastError();
            if (error == ERROR_UNABLE_TO_MOVE_REPLACEMENT_2) {
                return {systemMessage(error), old};  // the old file moved, the new one did not
            }
        }
        // Made or gone meanwhile: the next round takes the other way.
        const bool raced = error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS ||
                           error == ERROR_FILE_NOT_FOUND;
        if (!(raced || passing(error)) || GetTickCount64() >= deadline) {
            return {systemMessage(error), QString()};
        }
        Sleep(kRetryPauseMs);
    }
}

std::optional<QString> openExisting(QFile& file, const QString& path) {
    const std::wstring name = longPath(path);
    HANDLE handle = INVALID_HANDLE_VALUE;
    const DWORD error = retried([&] {
        handle = CreateFileW(name.c_str(), GENERIC_READ | GENERIC_WRITE,
                             FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                             FILE_ATTRIBUTE_NORMAL, nullptr);
        return handle != INVALID_HANDLE_VALUE;
    });
    if (error != ERROR_SUCCESS) {
        return systemMessage(error);
    }
    if (!adopt(file, handle, _O_RDWR, QIODevice::ReadWrite)) {
        return QStringLiteral("The file could not be opened");
    }
    return std::nullopt;
}

std::optional<QString> removeFile(const QString& path) {
    const std::wstring name = longPath(path);
    const DWORD error = retried([&] { return DeleteFileW(name.c_str()) != 0; });
    if (error != ERROR_SUCCESS) {
        return systemMessage(error);
    }
    return std::nullopt;
}

int linkCount(const QString& path) {
    const HANDLE handle = CreateFileW(longPath(path).c_str(), FILE_READ_ATTRIBUTES,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        return 1;
    }
    BY_HANDLE_FILE_INFORMATION info{};
    const bool known = GetFileInformationByHandle(handle, &info);
    CloseHandle(handle);
    return known ? int(info.nNumberOfLinks) : 1;
}

std::optional<QString> lockExclusive(QFile& file, int waitMs) {
    QElapsedTimer waited;
    waited.start();
    for (;;) {
        OVERLAPPED whole{};
        if (LockFileEx(osHandle(file), LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0,
                       MAXDWORD, MAXDWORD, &whole)) {
            return std::nullopt;
        }
        const DWORD error = GetLastError();
        if (error != ERROR_LOCK_VIOLATION || waited.elapsed() >= waitMs) {
            return systemMessage(error);
        }
        Sleep(20);
    }
}

void unlock(QFile& file) {
    OVERLAPPED whole{};
    UnlockFileEx(osHandle(file), 0, MAXDWORD, MAXDWORD, &whole);
}

// No signals to hold back: a console's Ctrl+C reaches the program only through
// SignalPipe's handler, which leaves the quitting to the event loop.
struct DeferredSignals::Saved {};
DeferredSignals::DeferredSignals() : saved_(nullptr) {}
DeferredSignals::~DeferredSignals() = default;

namespace {

std::mutex consoleEventLock;  // guards consoleEventArrived against ~SignalPipe
std::function<void()> consoleEventArrived;
std::atomic<int> consoleEvent{0};

// Runs on a thread the system starts for each event. Without it, a Ctrl+C in
// the console the program attached to would end it in the middle of a save.
BOOL WINAPI onConsoleEvent(DWORD event) {
    int number = 0;
    switch (event) {
        case CTRL_C_EVENT:
            number = SIGINT;
            break;
        case CTRL_BREAK_EVENT:
            number = SIGBREAK;
            break;
        case CTRL_CLOSE_EVENT:
            number = SIGTERM;
            break;
        default:
            return FALSE;
    }
    {
        const std::lock_guard<std::mutex> held(consoleEventLock);
        if (!consoleEventArrived) {
            return FALSE;
        }
        consoleEvent = number;
        consoleEventArrived();
    }
    if (event == CTRL_CLOSE_EVENT) {
        // The process ends as this returns: wait for the event loop's quit,
        // which ends the process and this thread with it.
        Sleep(INFINITE);
    }
    return TRUE;
}

}  // namespace

SignalPipe::SignalPipe(std::function<void()> arrived) {
    {
        const std::lock_guard<std::mutex> held(consoleEventLock);
        consoleEventArrived = std::move(arrived);
    }
    SetConsoleCtrlHandler(onConsoleEvent, TRUE);
}

SignalPipe::~SignalPipe() {
    // The handler stays: the system holds its handler lock while a close event's
    // handler waits for this quit, so unregistering would block for good. Without
    // a callback it leaves the event to the system.
    const std::lock_guard<std::mutex> held(consoleEventLock);
    consoleEventArrived = nullptr;
}

int SignalPipe::take() { return consoleEvent.exchange(0); }

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

namespace {

QString lastError() { return qt_error_string(errno); }

constexpr int kQuitSignals[] = {SIGINT, SIGTERM, SIGHUP};
constexpr size_t kQuitSignalCount = std::size(kQuitSignals);

sigset_t quitSignalSet() {
    sigset_t set;
    sigemptyset(&set);
    for (const int number : kQuitSignals) {
        sigaddset(&set, number);
    }
    return set;
}

volatile sig_atomic_t deferredSignal = 0;
extern "C" void rememberSignal(int number) { deferredSignal = number; }

int signalPipeWriteEnd = -1;
extern "C" void writeSignalToPipe(int number) {
    const int saved = errno;
    const auto byte = static_cast<unsigned char>(number);
    [[maybe_unused]] const ssize_t written = ::write(signalPipeWriteEnd, &byte, 1);
    errno = saved;
}
struct sigaction beforePipe[kQuitSignalCount];

// A size-then-read call such as listxattr, tried again when the list grew between.
template <typename Read>
std::optional<std::vector<char> > readSized(Read read) {
    for (;;) {
        const ssize_t size = read(nullptr, 0);
        if (size < 0) {
            return std::nullopt;
        }
        std::vector<char> bytes(static_cast<size_t>(size));
        const ssize_t got = size == 0 ? 0 : read(bytes.data(), bytes.size());
        if (got >= 0) {
            bytes.resize(static_cast<size_t>(got));
            return bytes;
        }
        if (errno != ERANGE) {
            return std::nullopt;
        }
    }
}

std::vector<QByteArray> attributeNames(const std::vector<char>& list) {
    std::vector<QByteArray> names;
    for (size_t at = 0; at < list.size(); at += std::strlen(list.data() + at) + 1) {
        names.emplace_back(list.data() + at);
    }
    return names;
}

// Extended attributes, POSIX ACLs (system.posix_acl_access and _default) among
// them, the same on the new file as on the old one. One the process may not set,
// such as another's security label, is left as the system made it.
std::optional<QString> copyAttributes(int file, const QByteArray& original) {
    const auto list = readSized(
        [&](char* to, size_t size) { return ::listxattr(original.constData(), to, size); });
    if (!list) {
        return errno == ENOTSUP ? std::nullopt : std::optional<QString>(lastError());
    }
    const std::vector<QByteArray> names = attributeNames(*list);
    // Those the new file was born with (a folder's default ACL) but the old one lacks.
    const auto own = readSized([&](char* to, size_t size) { return ::flistxattr(file, to, size); });
    for (const QByteArray& name : own ? attributeNames(*own) : std::vector<QByteArray>{}) {
        if (std::find(names.begin(), names.end(), name) == names.end() &&
            ::fremovexattr(file, name.constData()) != 0 && errno != EPERM && errno != ENODATA) {
            return lastError();
        }
    }
    for (const QByteArray& name : names) {
        const auto value = readSized([&](char* to, size_t size) {
            return ::getxattr(original.constData(), name.constData(), to, size);
        });
        if (!value) {
            if (errno == ENODATA) continue;  // removed meanwhile
            return lastError();
        }
        if (::fsetxattr(file, name.constData(), value->data(), value->size(), 0) != 0 &&
            errno != EPERM) {
            return lastError();
        }
    }
    return std::nullopt;
}

}  // namespace

// Qt's canonical path takes a link loop for a file of its own.
Resolved resolveLink(const QString& link) {
    char* target = ::realpath(QFile::encodeName(link).constData(), nullptr);
    if (target == nullptr) {
        return {QString(), lastError()};
    }
    Resolved resolved{QFile::decodeName(target), std::nullopt};
    std::free(target);
    return resolved;
}

Created createNew(QFile& file, const QString& path, bool privateFile) {
    const int handle = ::open(QFile::encodeName(path).constData(),
                              O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, privateFile ? 0600 : 0666);
    if (handle < 0) {
        return {lastError(), errno == EACCES || errno == EPERM || errno == ENAMETOOLONG};
    }
    file.setFileName(path);
    if (!file.open(handle, QIODevice::WriteOnly | QIODevice::Unbuffered,
                   QFileDevice::AutoCloseHandle)) {
        ::close(handle);
        ::unlink(QFile::encodeName(path).constData());
        return {file.errorString(), false};
    }
    return {};
}

std::optional<QString> syncToDisk(QFile& file) {
    if (::fsync(file.handle()) != 0) {
        return lastError();
    }
    return std::nullopt;
}

std::optional<QString> copyIdentity(QFile& file, const QString& original) {
    const QByteArray name = QFile::encodeName(original);
    struct stat status {};
    if (::stat(name.constData(), &status) != 0) {
        return lastError();
    }
    // Only root may give a file away; a user's rewrite keeps the user's own.
    if (::fchown(file.handle(), status.st_uid, status.st_gid) != 0) {
        if (errno != EPERM) {
            return lastError();
        }
        // The group alone, where the user belongs to it.
        if (::fchown(file.handle(), static_cast<uid_t>(-1), status.st_gid) != 0 && errno != EPERM) {
            return lastError();
        }
    }
    // After fchown, which drops a file capability.
    if (const auto failure = copyAttributes(file.handle(), name)) {
        return failure;
    }
    // After fchown, which clears setuid and setgid; the ACL's mask stays the group bits.
    if (::fchmod(file.handle(), status.st_mode & 07777) != 0) {
        return lastError();
    }
    return std::nullopt;
}

Replaced replace(const QString& from, const QString& to) {
    if (::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) != 0) {
        return {lastError(), QString()};
    }
    return {};
}

std::optional<QString> openExisting(QFile& file, const QString& path) {
    file.setFileName(path);
    if (!file.open(QIODevice::ReadWrite | QIODevice::Unbuffered | QIODevice::ExistingOnly)) {
        return file.errorString();
    }
    return std::nullopt;
}

std::optional<QString> removeFile(const QString& path) {
    if (::unlink(QFile::encodeName(path).constData()) != 0) {
        return lastError();
    }
    return std::nullopt;
}

int linkCount(const QString& path) {
    struct stat status {};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0) {
        return 1;
    }
    return static_cast<int>(status.st_nlink);
}

std::optional<QString> lockExclusive(QFile& file, int waitMs) {
    QElapsedTimer waited;
    waited.start();
    for (;;) {
        if (::flock(file.handle(), LOCK_EX | LOCK_NB) == 0) {
            return std::nullopt;
        }
        if (errno != EWOULDBLOCK && errno != EINTR) {
            return lastError();
        }
        if (waited.elapsed() >= waitMs) {
            return QStringLiteral("Another program holds a lock on the file");
        }
        ::usleep(20 * 1000);
    }
}

void unlock(QFile& file) { ::flock(file.handle(), LOCK_UN); }

struct DeferredSignals::Saved {
    sigset_t mask;
    struct sigaction actions[kQuitSignalCount];
    bool replaced[kQuitSignalCount];
    struct sigaction fileSize;
};

// Held back on this thread; another thread that takes one only remembers it,
// where it would have ended the process.
DeferredSignals::DeferredSignals() : saved_(new Saved{}) {
    const sigset_t set = quitSignalSet();
    pthread_sigmask(SIG_BLOCK, &set, &saved_->mask);
    for (size_t i = 0; i < kQuitSignalCount; ++i) {
        sigaction(kQuitSignals[i], nullptr, &saved_->actions[i]);
        saved_->replaced[i] =
            !(saved_->actions[i].sa_flags & SA_SIGINFO) && saved_->actions[i].sa_handler == SIG_DFL;
        if (saved_->replaced[i]) {
            struct sigaction remember {};
            remember.sa_handler = rememberSignal;
            remember.sa_mask = set;
            sigaction(kQuitSignals[i], &remember, nullptr);
        }
    }
    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    sigemptyset(&ignore.sa_mask);
    sigaction(SIGXFSZ, &ignore, &saved_->fileSize);
}

DeferredSignals::~DeferredSignals() {
    sigaction(SIGXFSZ, &saved_->fileSize, nullptr);
    for (size_t i = 0; i < kQuitSignalCount; ++i) {
        if (saved_->replaced[i]) {
            sigaction(kQuitSignals[i], &saved_->actions[i], nullptr);
        }
    }
    // One held back on this thread takes effect here.
    pthread_sigmask(SIG_SETMASK, &saved_->mask, nullptr);
    if (const int number = deferredSignal) {
        deferredSignal = 0;
        ::raise(number);
    }
    delete saved_;
}

SignalPipe::SignalPipe(std::function<void()>) {
    int ends[2];
    if (::pipe(ends) != 0) {
        return;  // the signals keep their default effect
    }
    for (const int end : ends) {
        ::fcntl(end, F_SETFD, FD_CLOEXEC);
        ::fcntl(end, F_SETFL, ::fcntl(end, F_GETFL) | O_NONBLOCK);
    }
    readEnd_ = ends[0];
    signalPipeWriteEnd = ends[1];
    struct sigaction action {};
    action.sa_handler = writeSignalToPipe;
    action.sa_flags = SA_RESTART;
    sigemptyset(&action.sa_mask);
    for (size_t i = 0; i < kQuitSignalCount; ++i) {
        sigaction(kQuitSignals[i], nullptr, &beforePipe[i]);
        // A signal ignored from the start (nohup) stays ignored.
        if (beforePipe[i].sa_handler != SIG_IGN) {
            sigaction(kQuitSignals[i], &action, nullptr);
        }
    }
}

SignalPipe::~SignalPipe() {
    if (readEnd_ < 0) {
        return;
    }
    for (size_t i = 0; i < kQuitSignalCount; ++i) {
        sigaction(kQuitSignals[i], &beforePipe[i], nullptr);
    }
    ::close(signalPipeWriteEnd);
    signalPipeWriteEnd = -1;
    ::close(readEnd_);
}

int SignalPipe::take() {
    unsigned char number = 0;
    return readEnd_ >= 0 && ::read(readEnd_, &number, 1) == 1 ? number : 0;
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
