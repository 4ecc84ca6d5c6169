#pragma once

#include <QString>
#include <optional>

class QWidget;

namespace trellan {

enum class MessageIcon { None, Error };

struct FileDialogOptions {
    QString filter;         // "Label|pattern|..." or a bare pattern such as "*.png"
    QString fileName;       // proposed file name
    QString startFolder;    // empty: the current working folder
    QString defaultSuffix;  // save dialogs: appended to a name typed without extension
};

// What the windows need of the desktop and a test must control: file dialogs,
// modal message boxes, the shell's open action and the clipboard.
class Platform {
public:
    virtual ~Platform() = default;

    // A confirmed dialog makes the chosen file's folder the current working
    // folder, which the script windows start their next dialog from.
    std::optional<QString> openFile(QWidget* owner, const FileDialogOptions& options);
    std::optional<QString> saveFile(QWidget* owner, const FileDialogOptions& options);

    // A modal box with an OK button. Its text is plain, as it is, each line
    // shortened past kMaxBoxLineLength characters (shortenedForBox).
    void messageBox(QWidget* owner, const QString& title, const QString& text, MessageIcon icon);
    // False when the shell could not perform the open action.
    virtual bool shellOpen(QWidget* owner, const QString& target) = 0;
    // nullopt when the clipboard holds no text.
    virtual std::optional<QString> clipboardText() = 0;

    // The program-wide error box for an unexpected failure.
    void showError(const QString& failureText);
    // A window's "Error" box refusing the user's choice or input.
    void errorBox(QWidget* owner, const QString& text);

protected:
    virtual void runMessageBox(QWidget* owner, const QString& title, const QString& text,
                               MessageIcon icon) = 0;
    virtual std::optional<QString> runOpenDialog(QWidget* owner,
                                                 const FileDialogOptions& options) = 0;
    virtual std::optional<QString> runSaveDialog(QWidget* owner,
                                                 const FileDialogOptions& options) = 0;
};

}  // namespace trellan
