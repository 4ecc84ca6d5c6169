#include "app/command_line.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>

#include "common/app_title.h"

namespace trellan {
namespace {

CommandLine refuse(const QString& reason) {
    return {2,
            QStringLiteral("trellan: %1\nTry 'trellan --help' for more information.\n").arg(reason),
            {},
            false};
}

}  // namespace

CommandLine parseCommandLine(const QStringList& arguments, const QString& currentFolder) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Prepares customizations of SEMC phones for the flashing tool setool2."));
    // Not Qt's own help and version options: those add --help-all, and the
    // version printed is not the application name (the window title).
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Print this usage and exit."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Print the version and exit."));
    parser.addOption(help);
    parser.addOption(version);
    const QCommandLineOption choose(
        QStringLiteral("choose-folder"),
        QStringLiteral("Ask for the data folder with a folder dialog, starting at FOLDER or at "
                       "the folder chosen last time."));
    parser.addOption(choose);
    parser.addPositionalArgument(
        QStringLiteral("FOLDER"),
        QStringLiteral("The data folder, holding cda/models.cdt, the model catalogues and "
                       "tpa/preset/custom/customize.xml. Default: the current folder."),
        QStringLiteral("[FOLDER]"));

    if (!parser.parse(arguments)) {
        CommandLine refused = refuse(parser.errorText());
        refused.unknownOption = !parser.unknownOptionNames().isEmpty();
        return refused;
    }
    if (parser.isSet(help)) {
        return {0, parser.helpText(), {}, false};
    }
    if (parser.isSet(version)) {
        return {0, kVersionText + QLatin1Char('\n'), {}, false};
    }
    const QStringList positional = parser.positionalArguments();
    if (positional.size() > 1) {
        return refuse(QStringLiteral("only one FOLDER may be given."));
    }
    CommandLine result{std::nullopt, {}, {}, parser.isSet(choose)};
    if (!positional.isEmpty()) {
        const QFileInfo folder(QDir(currentFolder), positional.front());
        if (!folder.exists()) {
            return refuse(
                QStringLiteral("the data folder \"%1\" does not exist.").arg(positional.front()));
        }
        if (!folder.isDir()) {
            return refuse(
                QStringLiteral("the data folder \"%1\" is not a folder.").arg(positional.front()));
        }
        result.dataFolder = QDir::cleanPath(folder.absoluteFilePath());
    }
    return result;
}

}  // namespace trellan
