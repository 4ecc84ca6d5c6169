#include "app/remembered_folder.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSettings>
#include <QStandardPaths>
#include <QSysInfo>
#include <QTemporaryDir>
#include <functional>
#include <string>

#include "support/test_files.h"

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace trellan {
namespace {

using testing::readFile;
using testing::writeFile;

const QString kOrganisation = QStringLiteral("trellan-test");
const QString kApplication = QStringLiteral("store");

bool onWindows() { return QSysInfo::productType() == QLatin1String("windows"); }

bool makeFifo(const QString& path) {
#ifdef Q_OS_UNIX
    return ::mkfifo(QFile::encodeName(path).constData(), 0644) == 0;
#else
    Q_UNUSED(path);
    return false;
#endif
}

// The native store of a test organisation, its file (where it is one) in a
// temporary configuration folder.
class RememberedFolderTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(config_.isValid());
        savedConfig_ = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(config_.path()));
        // QSettings takes its folder from the environment only once.
        setUserPath(config_.path());
    }
    void TearDown() override {
        qputenv("XDG_CONFIG_HOME", savedConfig_);
        setUserPath(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
        if (onWindows()) {
            QSettings(QStringLiteral("HKEY_CURRENT_USER\\Software"), QSettings::NativeFormat)
                .remove(kOrganisation);
        }
    }
    static void setUserPath(const QString& path) {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, path);
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, path);
    }
    QString file() const { return config_.filePath(kOrganisation + "/" + kApplication + ".conf"); }
    QString other(const QString& name) const { return config_.filePath(name); }

    QTemporaryDir config_;
    QByteArray savedConfig_;
};

TEST_F(RememberedFolderTest, KeptInTheNativeStore) {
    const RememberedFolder remembered(kOrganisation, kApplication);
    EXPECT_EQ(remembered.read(), QString());
    EXPECT_EQ(remembered.write(QStringLiteral("C:/setool2/caf\u00E9")), std::nullopt);
    EXPECT_EQ(remembered.read(), QStringLiteral("C:/setool2/caf\u00E9"));
    if (onWindows()) {
        // The registry, under the organisation and application names.
        const QSettings registry(QStringLiteral("HKEY_CURRENT_USER\\Software\\trellan-test\\store"),
                                 QSettings::NativeFormat);
        EXPECT_EQ(registry.value("dataFolder").toString(), QStringLiteral("C:/setool2/caf\u00E9"));
    } else {
        // Where earlier versions kept it, as Qt's INI file in UTF-8.
        EXPECT_EQ(readFile(file()), "[General]\ndataFolder=C:/setool2/caf\xC3\xA9\n");
        EXPECT_EQ(QSettings(kOrganisation, kApplication).value("dataFolder").toString(),
                  QStringLiteral("C:/setool2/caf\u00E9"));
    }
}

// What stands where the store's file belongs, and what must hold after a write.
struct StoreCase {
    const char* name;
    std::function<bool(const QString& file, const QString& config)> prepare;
    QString readText;
    QString readProblem;   // contained in the read's problem; empty: none
    QString writeProblem;  // contained in the write's reason; empty: remembered
    std::function<void(const QString& file, const QString& config)> after;
};

const QString kChosen = QStringLiteral("/chosen");

void checkRemembered(const QString& file, const QString&) {
    EXPECT_EQ(RememberedFolder(kOrganisation, kApplication).read(), kChosen);
    EXPECT_TRUE(QFileInfo(file).isFile());
}

const StoreCase kStoreCases[] = {
    {"nothing_yet", [](auto&, auto&) { return true; }, "", "", "", checkRemembered},
    {"other_settings_kept",
     [](const QString& file, auto&) {
         writeFile(file, "[General]\ndataFolder=/old\n\n[other]\nkept=1\n");
         return true;
     },
     "/old", "", "",
     [](const QString& file, const QString& config) {
         checkRemembered(file, config);
         EXPECT_TRUE(readFile(file).contains("[other]\nkept=1\n"));
     }},
    {"fifo",
     [](const QString& file, auto&) {
         return QDir().mkpath(QFileInfo(file).path()) && makeFifo(file);
     },
     "", "is not a regular file", "is not a regular file",
     [](const QString& file, auto&) {
         EXPECT_FALSE(QFileInfo(file).isFile());
         EXPECT_TRUE(QFileInfo::exists(file));
     }},
    {"link_to_a_fifo",
     [](const QString& file, const QString& config) {
         return QDir().mkpath(QFileInfo(file).path()) && makeFifo(config + "/fifo") &&
                QFile::link(config + "/fifo", file);
     },
     "", "which is not a regular file", "which is not a regular file",
     [](const QString& file, const QString& config) {
         EXPECT_TRUE(QFileInfo(file).isSymLink());
         EXPECT_FALSE(QFileInfo(config + "/fifo").isFile());
     }},
    // As root, writing through it would replace the device with a regular file.
    {"link_to_a_device",
     [](const QString& file, auto&) {
         return !onWindows() && QDir().mkpath(QFileInfo(file).path()) &&
                QFile::link(QStringLiteral("/dev/null"), file);
     },
     "", "which is not a regular file", "which is not a regular file",
     [](const QString& file, auto&) {
         EXPECT_TRUE(QFileInfo(file).isSymLink());
         EXPECT_TRUE(QFileInfo::exists(QStringLiteral("/dev/null")));
         EXPECT_FALSE(QFileInfo(QStringLiteral("/dev/null")).isFile());
     }},
    {"link_to_a_regular_file",
     [](const QString& file, const QString& config) {
         writeFile(config + "/real.conf", "[General]\ndataFolder=/old\n");
         return QDir().mkpath(QFileInfo(file).path()) && QFile::link(config + "/real.conf", file);
     },
     "/old", "", "",
     [](const QString& file, const QString& config) {
         checkRemembered(file, config);
         EXPECT_TRUE(QFileInfo(file).isSymLink());
         EXPECT_EQ(readFile(config + "/real.conf"), "[General]\ndataFolder=/chosen\n");
     }},
    {"dangling_link",
     [](const QString& file, const QString& config) {
         return QDir().mkpath(QFileInfo(file).path()) && QFile::link(config + "/gone", file);
     },
     "", "leads nowhere", "leads nowhere",
     [](const QString&, const QString& config) {
         EXPECT_FALSE(QFileInfo::exists(config + "/gone"));
     }},
    {"too_large",
     [](const QString& file, auto&) {
         writeFile(file, QByteArray(RememberedFolder::kMaxStoreBytes + 1, '#'));
         return true;
     },
     "", "is larger than 64 KiB", "is larger than 64 KiB",
     [](const QString& file, auto&) {
         EXPECT_EQ(QFileInfo(file).size(), RememberedFolder::kMaxStoreBytes + 1);
     }},
    // Left by a program long gone: taken over.
    {"stale_lock",
     [](const QString& file, auto&) {
         writeFile(file + ".lock", "4000000\nother\nelsewhere\n");
         QFile lock(file + ".lock");
         return lock.open(QIODevice::ReadWrite) &&
                lock.setFileTime(QDateTime::currentDateTimeUtc().addSecs(-3600),
                                 QFileDevice::FileModificationTime);
     },
     "", "", "", checkRemembered},
    {"lock_is_a_fifo",
     [](const QString& file, auto&) {
         return QDir().mkpath(QFileInfo(file).path()) && makeFifo(file + ".lock");
     },
     "", "", "is not a regular file",
     [](const QString& file, auto&) { EXPECT_FALSE(QFileInfo::exists(file)); }},
    {"folder_cannot_be_made",
     [](const QString& file, auto&) {
         writeFile(QFileInfo(file).path(), "a file where the folder belongs");
         return true;
     },
     "", "", "cannot be made",
     [](const QString& file, auto&) { EXPECT_FALSE(QFileInfo::exists(file)); }},
};

class StoreFileTest : public RememberedFolderTest,
                      public ::testing::WithParamInterface<StoreCase> {};

TEST_P(StoreFileTest, NeverStopsTheProgram) {
    if (onWindows()) {
        GTEST_SKIP() << "Windows keeps the store in the registry, not in a file";
    }
    const StoreCase& c = GetParam();
    ASSERT_TRUE(c.prepare(file(), config_.path()));
    const RememberedFolder remembered(kOrganisation, kApplication);

    QString problem;
    EXPECT_EQ(remembered.read(&problem), c.readText);
    EXPECT_EQ(problem.isEmpty(), c.readProblem.isEmpty()) << problem.toStdString();
    EXPECT_TRUE(problem.contains(c.readProblem)) << problem.toStdString();

    const std::optional<QString> reason = remembered.write(kChosen);
    EXPECT_EQ(reason.has_value(), !c.writeProblem.isEmpty()) << reason.value_or("").toStdString();
    EXPECT_TRUE(reason.value_or("").contains(c.writeProblem)) << reason.value_or("").toStdString();
    c.after(file(), config_.path());
}

INSTANTIATE_TEST_SUITE_P(Cases, StoreFileTest, ::testing::ValuesIn(kStoreCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(RememberedFolderTest, ALockHeldByAnotherIsGivenUp) {
    if (onWindows()) {
        GTEST_SKIP() << "Windows keeps the store in the registry, which takes no lock file";
    }
    writeFile(file(), "[General]\ndataFolder=/old\n");
    QLockFile held(file() + ".lock");
    ASSERT_TRUE(held.tryLock(0));

    QElapsedTimer timer;
    timer.start();
    const std::optional<QString> reason =
        RememberedFolder(kOrganisation, kApplication).write(kChosen);
    EXPECT_LT(timer.elapsed(), 3 * RememberedFolder::kLockWaitMs);
    ASSERT_TRUE(reason.has_value());
    EXPECT_TRUE(reason->contains(QStringLiteral("has been held for 2 s by process %1")
                                     .arg(QCoreApplication::applicationPid())))
        << reason->toStdString();
    EXPECT_EQ(readFile(file()), "[General]\ndataFolder=/old\n");
}

// Qt's file dialogs read and write QtProject.conf with the same waits.
TEST_F(RememberedFolderTest, QtsDialogSettingsNeverStopTheProgram) {
    if (onWindows()) {
        GTEST_SKIP() << "Windows keeps Qt's settings in the registry, not in a file";
    }
    const QString qtFile = config_.filePath("QtProject.conf");
    const auto dialogSettingsFile = [] {
        QSettings settings(QSettings::UserScope, QStringLiteral("QtProject"));
        settings.setValue("FileDialog/shown", true);
        settings.sync();
        return settings.fileName();
    };

    writeFile(qtFile, "[FileDialog]\nhistory=\n");
    EXPECT_EQ(sidestepBlockedQtSettings(), std::nullopt);
    EXPECT_EQ(dialogSettingsFile(), qtFile);

    QLockFile held(qtFile + ".lock");
    ASSERT_TRUE(held.tryLock(0));
    EXPECT_TRUE(sidestepBlockedQtSettings().value_or("").contains("has been held for 2 s"));
    EXPECT_NE(dialogSettingsFile(), qtFile);
    held.unlock();

    setUserPath(config_.path());
    ASSERT_TRUE(QFile::remove(qtFile));
    ASSERT_TRUE(makeFifo(qtFile));
    EXPECT_TRUE(sidestepBlockedQtSettings().value_or("").contains("is not a regular file"));
    EXPECT_NE(dialogSettingsFile(), qtFile);
}

}  // namespace
}  // namespace trellan
