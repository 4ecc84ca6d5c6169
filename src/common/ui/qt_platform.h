#pragma once

#include "common/ui/platform.h"

namespace trellan {

class QtPlatform final : public Platform {
public:
    void messageBox(QWidget* owner, const QString& title, const QString& text,
                    MessageIcon icon) override;
    bool shellOpen(QWidget* owner, const QString& target) override;
    std::optional<QString> clipboardText() override;

protected:
    std::optional<QString> runOpenDialog(QWidget* owner, const FileDialogOptions& options) override;
    std::optional<QString> runSaveDialog(QWidget* owner, const FileDialogOptions& options) override;
};

}  // namespace trellan
