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

    // The boxes shown so far. Looking at them counts them as checked: a box
    // shown after the test last looked fails it at its end.
    const std::vector<Box>& boxes() {
        checked_ = boxes_.size();
        return boxes_;
    }
    void clearBoxes() {
        boxes_.clear();
        checked_ = 0;
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

    // Fails the running test for every answer queued but never asked for, and
    // for every box shown after the test last looked at the boxes.
    void expectAllUsed() const {
        EXPECT_TRUE(openAnswers.empty()) << openAnswers.size() << " open dialog answer(s) unused";
        EXPECT_TRUE(saveAnswers.empty()) << saveAnswers.size() << " save dialog answer(s) unused";
        EXPECT_TRUE(shellAnswers.empty()) << shellAnswers.size() << " shell answer(s) unused";
        for (size_t i = checked_; i < boxes_.size(); ++i) {
            ADD_FAILURE() << "box never checked: " << boxes_[i].text.toStdString();
        }
    }

    // The texts of the boxes shown so far, for compact assertions.
    std::vector<QString> boxTexts() {
        std::vector<QString> texts;
        for (const Box& box : boxes()) texts.push_back(box.text);
        return texts;
    }

protected:
    // Records the text as a box shows it, shortened.
    void runMessageBox(QWidget*, const QString& title, const QString& text,
                       MessageIcon icon) override {
        boxes_.push_back({title, text, icon});
    }
    std::optional<QString> runOpenDialog(QWidget*, const FileDialogOptions& options) override {
        openRequests.push_back(options);
        return next(openAnswers, "open");
    }
    std::optional<QString> runSaveDialog(QWidget*, const FileDialogOptions& options) override {
        saveRequests.push_back(options);
        return next(saveAnswers, "save");
    }

private:
    std::vector<Box> boxes_;
    size_t checked_ = 0;

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
