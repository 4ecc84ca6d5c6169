#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <optional>
#include <vector>

#include "common/ui/platform.h"

namespace trellan::testing {

// The platform double: dialogs and the shell answer from queues filled in
// advance; every request and message box is recorded for the test to check.
class ScriptedPlatform final : public Platform {
public:
    struct Box {
        QString title;
        QString text;
        MessageIcon icon;
    };

    // nullopt answers "cancelled".
    std::deque<std::optional<QString>> openAnswers;
    std::deque<std::optional<QString>> saveAnswers;
    std::deque<bool> shellAnswers;
    std::optional<QString> clipboard;

    std::vector<FileDialogOptions> openRequests;
    std::vector<FileDialogOptions> saveRequests;
    std::vector<QString> shellTargets;
    std::vector<Box> boxes;

    void messageBox(QWidget*, const QString& title, const QString& text,
                    MessageIcon icon) override {
        boxes.push_back({title, text, icon});
    }

    bool shellOpen(QWidget*, const QString& target) override {
        shellTargets.push_back(target);
        if (shellAnswers.empty()) {
            ADD_FAILURE() << "unexpected shell open of " << target.toStdString();
            return false;
        }
        const bool answer = shellAnswers.front();
        shellAnswers.pop_front();
        return answer;
    }

    std::optional<QString> clipboardText() override { return clipboard; }

    // The texts of the boxes shown so far, for compact assertions.
    std::vector<QString> boxTexts() const {
        std::vector<QString> texts;
        for (const Box& box : boxes) texts.push_back(box.text);
        return texts;
    }

protected:
    std::optional<QString> runOpenDialog(QWidget*, const FileDialogOptions& options) override {
        openRequests.push_back(options);
        return next(openAnswers, "open");
    }
    std::optional<QString> runSaveDialog(QWidget*, const FileDialogOptions& options) override {
        saveRequests.push_back(options);
        return next(saveAnswers, "save");
    }

private:
    static std::optional<QString> next(std::deque<std::optional<QString>>& answers,
                                       const char* kind) {
        if (answers.empty()) {
            ADD_FAILURE() << "unexpected " << kind << " dialog";
            return std::nullopt;
        }
        // Taken apart rather than copied whole: GCC's optimiser warns, wrongly,
        // that a copied optional<QString> may be uninitialised.
        const bool confirmed = answers.front().has_value();
        const QString name = answers.front().value_or(QString());
        answers.pop_front();
        if (!confirmed) {
            return std::nullopt;
        }
        return name;
    }
};

}  // namespace trellan::testing
