#include "common/ui/qt_platform.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QMimeData>
#include <QUrl>

#include "common/dialog_filter.h"

namespace trellan {
namespace {

std::optional<QString> runDialog(QWidget* owner, const FileDialogOptions& options,
                                 QFileDialog::AcceptMode mode) {
    QFileDialog dialog(owner);
    dialog.setAcceptMode(mode);
    // The open dialog does not require the file to exist; the windows check it.
    dialog.setFileMode(QFileDialog::AnyFile);
    if (mode == QFileDialog::AcceptSave) {
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
    }
    dialog.setNameFilter(qtFileFilter(options.filter));
    dialog.setDirectory(options.startFolder.isEmpty() ? QDir::currentPath() : options.startFolder);
    if (!options.defaultSuffix.isEmpty()) {
        dialog.setDefaultSuffix(options.defaultSuffix);
    }
    dialog.selectFile(proposedFileName(options.fileName, options.startFolder));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return QDir::toNativeSeparators(dialog.selectedFiles().front());
}

}  // namespace

std::optional<QString> QtPlatform::runOpenDialog(QWidget* owner, const FileDialogOptions& options) {
    return runDialog(owner, options, QFileDialog::AcceptOpen);
}

std::optional<QString> QtPlatform::runSaveDialog(QWidget* owner, const FileDialogOptions& options) {
    return runDialog(owner, options, QFileDialog::AcceptSave);
}

void QtPlatform::messageBox(QWidget* owner, const QString& title, const QString& text,
                            MessageIcon icon) {
    QMessageBox box(icon == MessageIcon::Error ? QMessageBox::Critical : QMessageBox::NoIcon, title,
                    text, QMessageBox::Ok, owner);
    box.exec();
}

bool QtPlatform::shellOpen(QWidget*, const QString& target) {
    return QDesktopServices::openUrl(QUrl(target));
}

std::optional<QString> QtPlatform::clipboardText() {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (data == nullptr || !data->hasText()) {
        return std::nullopt;
    }
    return data->text();
}

}  // namespace trellan
