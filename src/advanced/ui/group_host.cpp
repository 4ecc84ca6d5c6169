#include "advanced/ui/group_host.h"

#include <QFileInfo>
#include <QPlainTextEdit>
#include <QPushButton>

#include "common/file_io.h"
#include "common/text8.h"
#include "common/ui/platform.h"
#include "script/script_file.h"
#include "script/script_lines.h"
#include "script/ui/script_preview.h"

namespace trellan {

GroupHost::GroupHost(Platform& platform, QWidget* window, const QString& programFolder,
                     ScriptPreview* preview, QPlainTextEdit* status, QPushButton* handBack)
    : platform_(platform),
      window_(window),
      programFolder_(programFolder),
      preview_(preview),
      status_(status),
      handBack_(handBack) {}

void GroupHost::errorBox(const QString& text) { platform_.errorBox(window_, text); }

void GroupHost::appendLine(const QString& line) { preview_->appendLine(line); }

void GroupHost::appendLines(const QStringList& lines) { preview_->appendLines(lines); }

void GroupHost::appendStatus(const QString& line) { status_->appendPlainText(line); }

void GroupHost::enableHandBack() { handBack_->setEnabled(true); }

CatalogueLines GroupHost::readCatalogue(const QString& relative) const {
    return trellan::readCatalogue(programFolder_ + relative);
}

bool GroupHost::lineReachesScript(const CatalogueLines& catalogue, qsizetype line,
                                  const QString& relative) {
    if (passesThroughSystem8(catalogue.at(line))) {
        return true;
    }
    errorBox(QStringLiteral("\"%1\" in %2 holds characters that cannot be written to a script "
                            "unchanged! Please correct them in %2.")
                 .arg(catalogue.text(line), QFileInfo(relative).fileName()));
    return false;
}

bool GroupHost::reachesScript(QStringView text) {
    if (const std::optional<QString> refusal = script::unwritableTextMessage(text)) {
        errorBox(*refusal);
        return false;
    }
    return true;
}

void GroupHost::setDialogPattern(const QString& pattern) {
    openDialog_.filter = pattern;
    openDialog_.fileName = pattern;
}

std::optional<QString> GroupHost::openFileWithExtension(const QString& extension) {
    const auto chosen = openDialog_.execute(platform_, window_);
    if (!chosen || !reachesScript(*chosen) || !fileExists(*chosen)) {
        return std::nullopt;
    }
    if (script::extensionOf(*chosen) != extension) {
        errorBox(QStringLiteral("Could not open file! Must be right format and have ") + extension +
                 QStringLiteral(" extension!"));
        return std::nullopt;
    }
    return chosen;
}

}  // namespace trellan
