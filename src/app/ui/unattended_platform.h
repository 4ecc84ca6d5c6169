#pragma once

#include "common/ui/platform.h"

namespace trellan {

// The platform for a run with nobody at the screen (the first-paint report):
// a message box would wait for a click forever, so its text goes to stderr and
// is counted instead; dialogs are cancelled and the shell fails.
class UnattendedPlatform final : public Platform {
public:
    bool shellOpen(QWidget*, const QString&) override { return false; }
    std::optional<QString> clipboardText() override { return std::nullopt; }

    int boxesShown() const { return boxesShown_; }

protected:
    void runMessageBox(QWidget* owner, const QString& title, const QString& text,
                       MessageIcon icon) override;
    std::optional<QString> runOpenDialog(QWidget*, const FileDialogOptions&) override {
        return std::nullopt;
    }
    std::optional<QString> runSaveDialog(QWidget*, const FileDialogOptions&) override {
        return std::nullopt;
    }

private:
    int boxesShown_ = 0;
};

}  // namespace trellan
