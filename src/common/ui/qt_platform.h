#pragma once

#include <memory>

#include "common/ui/platform.h"

class QMessageBox;

namespace trellan {

// The box QtPlatform shows, not yet shown: its text is plain, so a name in it
// shows as it is and nothing it names (an image, say) is ever loaded.
std::unique_ptr<QMessageBox> newMessageBox(QWidget* owner, const QString& title,
                                           const QString& text, MessageIcon icon);

class QtPlatform final : public Platform {
public:
    bool shellOpen(QWidget* owner, const QString& target) override;
    std::optional<QString> clipboardText() override;

protected:
    void runMessageBox(QWidget* owner, const QString& title, const QString& text,
                       MessageIcon icon) override;
    std::optional<QString> runOpenDialog(QWidget* owner, const FileDialogOptions& options) override;
    std::optional<QString> runSaveDialog(QWidget* owner, const FileDialogOptions& options) override;
};

}  // namespace trellan
