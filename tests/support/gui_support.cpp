#include "support/gui_support.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTest>
#include <QWidget>

namespace trellan::testing {

void click(QWidget* widget) {
    ASSERT_NE(widget, nullptr);
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, widget->rect().center());
}

void writeFile(const QString& dir, const QString& relative, const QByteArray& bytes) {
    const QString full = QDir(dir).filePath(relative);
    QDir().mkpath(QFileInfo(full).absolutePath());
    QFile file(full);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << full.toStdString();
    ASSERT_EQ(file.write(bytes), bytes.size());
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "cannot read " << path.toStdString();
        return {};
    }
    return file.readAll();
}

void GuiTest::SetUp() {
    ASSERT_TRUE(dir_.isValid());
    savedCurrent_ = QDir::currentPath();
}

void GuiTest::TearDown() {
    windows_.reset();
    context_.reset();
    QDir::setCurrent(savedCurrent_);
}

void GuiTest::create() {
    context_ = std::make_unique<AppContext>(
        AppContext{platform_, dir_.path(), dir_.path() + QLatin1Char('/')});
    windows_ = std::make_unique<Windows>(*context_);
}

void GuiTest::copySampleData() {
    const QDir source(QStringLiteral(TRELLAN_DATA_DIR));
    QDirIterator it(source.path(), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        writeFile(dir_.path(), source.relativeFilePath(file), readFile(file));
    }
}

}  // namespace trellan::testing
