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

std::unique_ptr<QMessageBox> newMessageBox(QWidget* owner, const QString& title,
                                           const QString& text, MessageIcon icon) {
    // The format is set before the text: rich text would be laid out at once.
    auto box = std::make_unique<QMessageBox>(
        icon == MessageIcon::Error ? QMessageBox::Critical : QMessageBox::NoIcon, title, QString(),
        QMessageBox::Ok, owner);
    box->setTextFormat(Qt::PlainText);
    box->setText(text);
    return box;
}

void QtPlatform::runMessageBox(QWidget* owner, const QString& title, const QString& text,
                               MessageIcon icon) {
    newMessageBox(owner, title, text, icon)->exec();
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
