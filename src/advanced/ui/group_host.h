#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "common/catalogue_file.h"
#include "common/ui/open_dialog.h"

class QPlainTextEdit;
class QPushButton;
class QWidget;

namespace trellan {

class Platform;
class ScriptPreview;

// What the advanced window gives its five groups: the platform, the program
// folder the catalogues lie in, the one open dialog, and the script preview,
// status area and "OK! (Back)" that every add action ends in.
class GroupHost {
public:
    GroupHost(Platform& platform, QWidget* window, const QString& programFolder,
              ScriptPreview* preview, QPlainTextEdit* status, QPushButton* handBack);

    Platform& platform() { return platform_; }
    // The window's "Error" box.
    void errorBox(const QString& text);

    void appendLine(const QString& line);
    void appendLines(const QStringList& lines);
    void appendStatus(const QString& line);
    void enableHandBack();

    // Reads programFolder + `relative`; throws Failure when it cannot.
    CatalogueLines readCatalogue(const QString& relative) const;
    // Refuses, with an "Error" box naming the catalogue, a line whose bytes would not
    // come out of the preview unchanged; true when it passes.
    bool lineReachesScript(const CatalogueLines& catalogue, qsizetype line,
                           const QString& relative);

    // Refuses, with an "Error" box naming it, a path or typed text that holds a
    // character no script file can; true when it passes.
    bool reachesScript(QStringView text);

    // OpenDialog1, shared by the file change and language groups: its filter and
    // proposed name are the pattern set last.
    void setDialogPattern(const QString& pattern);
    // Runs OpenDialog1: the chosen file when it exists and ends in `extension` exactly.
    // A cancel or a missing file ends silently, a wrong extension with the format error,
    // a path no script can carry with its own error.
    std::optional<QString> openFileWithExtension(const QString& extension);

private:
    Platform& platform_;
    QWidget* window_;
    QString programFolder_;
    ScriptPreview* preview_;
    QPlainTextEdit* status_;
    QPushButton* handBack_;
    OpenDialog openDialog_;
};

}  // namespace trellan
