#include "app/command_line.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "common/app_title.h"
#include "common/native_file.h"

namespace trellan {
namespace {

// Written out rather than QCommandLineParser::helpText(), which needs a
// QCoreApplication and adds Qt's options.
const QString kHelp = QStringLiteral(
    "Usage: trellan [--choose-folder] [FOLDER]\n"
    "Prepares customizations of SEMC phones for the flashing tool setool2.\n"
    "\n"
    "Options:\n"
    "  -h, --help, /?   Print this usage and exit.\n"
    "  -v, --version    Print the version and exit.\n"
    "  --choose-folder  Ask for the data folder with a folder dialog, starting at\n"
    "                   FOLDER or at the folder chosen last time.\n"
    "\n"
    "Arguments:\n"
    "  FOLDER           The data folder, holding cda/models.cdt, the model\n"
    "                   catalogues and tpa/preset/custom/customize.xml.\n"
    "                   Default: the current folder.\n");

// Qt's own options as Qt 6.4 takes them from argv (QCoreApplication,
// QGuiApplication, QApplication and the xcb platform): one dash or two, a value
// as the next argument. Only the QApplication acts on them.
struct QtOption {
    const char* name;
    bool takesValue;
};
constexpr QtOption kQtOptions[] = {{"platform", true},
                                   {"platformpluginpath", true},
                                   {"platformtheme", true},
                                   {"plugin", true},
                                   {"qwindowgeometry", true},
                                   {"qwindowtitle", true},
                                   {"qwindowicon", true},
                                   {"session", true},
                                   {"style", true},
                                   {"stylesheet", true},
                                   {"qmljsdebugger", true},
                                   {"display", true},
                                   {"name", true},
                                   {"visual", true},
                                   {"geometry", true},
                                   {"title", true},
                                   {"icon", true},
                                   {"reverse", false},
                                   {"widgetcount", false},
                                   {"testability", false},
                                   {"nograb", false},
                                   {"dograb", false}};
// These also take their value after "=".
constexpr const char* kQtJoinedOptions[] = {"style=", "stylesheet=", "qmljsdebugger="};

// How many arguments from `argument` on are one of Qt's options: 0, 1 or 2.
int qtOptionLength(const QString& argument) {
    if (!argument.startsWith(QLatin1Char('-'))) {
        return 0;
    }
    const QString name = argument.mid(argument.startsWith(QLatin1String("--")) ? 2 : 1);
    for (const QtOption& option : kQtOptions) {
        if (name == QLatin1String(option.name)) {
            return option.takesValue ? 2 : 1;
        }
    }
    for (const char* joined : kQtJoinedOptions) {
        if (name.startsWith(QLatin1String(joined))) {
            return 1;
        }
    }
    return 0;
}

CommandLine refuse(const QString& reason) {
    return {2,
            QStringLiteral("trellan: %1\nTry 'trellan --help' for more information.\n").arg(reason),
            {},
            false};
}

}  // namespace

QList<Argument> programArguments(int argc, char** argv) {
    QList<Argument> arguments;
    if (const auto wide = native::wideArguments()) {
        for (const QString& text : *wide) {
            arguments.append({text, true});
        }
        return arguments;
    }
    for (int i = 0; i < argc; ++i) {
        arguments.append(decodeArgument(QByteArray(argv[i])));
    }
    return arguments;
}

Argument decodeArgument(const QByteArray& bytes) {
    const QString text = QFile::decodeName(bytes);
    if (QFile::encodeName(text) == bytes) {
        return {text, true};
    }
    // Each character that comes back as the same bytes, shortest first; a byte
    // that starts none is invalid.
    const auto sameBack = [](const QByteArray& piece) {
        return QFile::encodeName(QFile::decodeName(piece)) == piece;
    };
    QString shown;
    for (qsizetype at = 0; at < bytes.size();) {
        qsizetype length = 0;
        for (qsizetype n = 1; n <= 4 && at + n <= bytes.size() && length == 0; ++n) {
            length = sameBack(bytes.mid(at, n)) ? n : 0;
        }
        if (length > 0) {
            shown += QFile::decodeName(bytes.mid(at, length));
            at += length;
        } else {
            shown +=
                QStringLiteral("\\x") + QString::fromLatin1(bytes.mid(at, 1).toHex().toUpper());
            ++at;
        }
    }
    return {shown, false};
}

CommandLine parseCommandLine(const QList<Argument>& arguments, const QString& currentFolder) {
    QStringList texts;
    QStringList inexact;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const int qtLength = i == 0 ? 0 : qtOptionLength(arguments[i].text);
        if (qtLength > 0) {
            i += qtLength - 1;
            continue;
        }
        texts << arguments[i].text;
        if (!arguments[i].exact) {
            inexact << arguments[i].text;
        }
    }

    QCommandLineParser parser;
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
    const QCommandLineOption choose(QStringLiteral("choose-folder"));
    parser.addOption(help);
    parser.addOption(version);
    parser.addOption(choose);
    if (!parser.parse(texts)) {
        return refuse(parser.errorText());
    }
    const QStringList positional = parser.positionalArguments();
    // Windows' way of asking for help; no folder can be named "?" there.
    if (parser.isSet(help) || positional.contains(QStringLiteral("/?"))) {
        return {0, kHelp, {}, false};
    }
    if (parser.isSet(version)) {
        return {0, kVersionText + QLatin1Char('\n'), {}, false};
    }
    if (positional.size() > 1) {
        return refuse(QStringLiteral("only one FOLDER may be given."));
    }
    CommandLine result{std::nullopt, {}, {}, parser.isSet(choose)};
    if (!positional.isEmpty()) {
        const QString& name = positional.front();
        if (inexact.contains(name)) {
            return refuse(QStringLiteral("the name of the data folder \"%1\" has bytes (shown as "
                                         "\\xHH) that the system's character set cannot "
                                         "represent.")
                              .arg(name));
        }
        const QFileInfo folder(QDir(currentFolder), name);
        if (!folder.exists()) {
            return refuse(QStringLiteral("the data folder \"%1\" does not exist.").arg(name));
        }
        if (!folder.isDir()) {
            return refuse(QStringLiteral("the data folder \"%1\" is not a folder.").arg(name));
        }
        result.dataFolder = QDir::cleanPath(folder.absoluteFilePath());
    }
    return result;
}

}  // namespace trellan
