#include "frame/CommandLine.h"

#include "analysis/EngineProfiles.h"
#include "generators/TemplateTexts.h"
#include "platform/AppPaths.h"

#include <QDir>

namespace frame {

CommandLine parseCommandLine(const QStringList &arguments, const QString &workingFolder)
{
    CommandLine result;
    bool optionsEnded = false;
    bool typeGiven = false;
    QString outputOption; // the option that named the output file, for the error message
    qsizetype i = 0;
    const auto takeOutput = [&](const QString &option) {
        if (i + 1 >= arguments.size() || arguments.at(i + 1).isEmpty()) {
            result.error = QStringLiteral("%1 needs a file name").arg(option);
            return false;
        }
        result.outputFile = platform::absoluteFilePath(arguments.at(++i), workingFolder);
        outputOption = option;
        return true;
    };
    for (; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        if (!optionsEnded && argument.startsWith(QLatin1String("--"))) {
            if (argument == QLatin1String("--")) {
                optionsEnded = true;
            } else if (argument == QLatin1String("--help")) {
                result.help = true;
            } else if (argument == QLatin1String("--version")) {
                result.version = true;
            } else if (argument == QLatin1String("--instance")) {
                if (i + 1 >= arguments.size()) {
                    result.error = QStringLiteral("--instance needs a name");
                    return result;
                }
                result.instanceName = arguments.at(++i);
            } else if (argument == QLatin1String("--generate")) {
                if (i + 1 >= arguments.size()) {
                    result.error = QStringLiteral("--generate needs a template name");
                    return result;
                }
                result.generate = true;
                result.templateName = arguments.at(++i);
            } else if (argument == QLatin1String("--type")) {
                if (i + 1 >= arguments.size()) {
                    result.error = QStringLiteral("--type needs a server type");
                    return result;
                }
                result.serverType = arguments.at(++i);
                typeGiven = true;
            } else if (argument == QLatin1String("--check")) {
                result.check = true;
            } else if (argument == QLatin1String("--engine")) {
                if (i + 1 >= arguments.size() || !analysis::engineProfile(arguments.at(i + 1))) {
                    result.error = QStringLiteral("--engine needs one of: %1")
                                       .arg(analysis::engineProfileIds().join(QStringLiteral(", ")));
                    return result;
                }
                result.engineId = arguments.at(++i).toLower();
            } else if (argument == QLatin1String("--format")) {
                if (i + 1 >= arguments.size() || arguments.at(i + 1) != QLatin1String("json")) {
                    result.error = QStringLiteral("--format needs json");
                    return result;
                }
                result.jsonFormat = true;
                ++i;
            } else if (argument == QLatin1String("--output")) {
                if (!takeOutput(argument))
                    return result;
            } else {
                result.error = QStringLiteral("unknown option %1").arg(argument);
                return result;
            }
            continue;
        }
        if (!optionsEnded && argument == QLatin1String("-h")) {
            result.help = true;
            continue;
        }
        if (!optionsEnded && argument == QLatin1String("-o")) {
            if (!takeOutput(argument))
                return result;
            continue;
        }
        if (argument.isEmpty())
            continue;
        // The running instance may have another working folder, so names travel absolute.
        result.files.append(platform::absoluteFilePath(argument, workingFolder));
        result.givenFiles.append(argument);
    }
    if (!result.check && (!result.engineId.isEmpty() || result.jsonFormat)) {
        result.error = QStringLiteral("%1 only goes with --check")
                           .arg(result.jsonFormat ? QStringLiteral("--format")
                                                  : QStringLiteral("--engine"));
    } else if (result.check && result.generate) {
        result.error = QStringLiteral("--check and --generate don't go together");
    } else if (result.check && result.files.isEmpty()) {
        result.error = QStringLiteral("--check needs at least one file");
    } else if (!result.generate && (typeGiven || !outputOption.isEmpty())) {
        result.error = QStringLiteral("%1 only goes with --generate")
                           .arg(typeGiven ? QStringLiteral("--type") : outputOption);
    } else if (result.generate && !result.files.isEmpty()) {
        result.error = QStringLiteral("--generate opens no files (%1); use -o FILE to name the "
                                      "file to write")
                           .arg(QDir::toNativeSeparators(result.files.first()));
    }
    return result;
}

QString commandLineHelp()
{
    QStringList types;
    for (const QString &type : generators::ospServerTypeNames())
        types.append(type.contains(QLatin1Char(' ')) ? QLatin1Char('"') + type + QLatin1Char('"')
                                                     : type);
    return QStringLiteral(
               "Usage: tessel [OPTIONS] [FILE...]\n"
               "       tessel --generate TEMPLATE [--type TYPE] [-o FILE]\n"
               "       tessel --check [--engine ID] [--format json] FILE...\n"
               "\n"
               "Tessel edits and generates console config scripts (.cfg) for Quake 2, Quake 3\n"
               "and their mods. Each FILE is opened in its own document window; when Tessel is\n"
               "already running, the files open in that window instead.\n"
               "\n"
               "Options:\n"
               "  -h, --help          show this help and exit\n"
               "  --version           print the version and exit\n"
               "  --instance NAME     hand files to (or listen as) the instance called NAME\n"
               "                      instead of this user's default one\n"
               "  --                  treat every following argument as a file name\n"
               "\n"
               "Generating a template (no window is opened; no display is needed):\n"
               "  --generate TEMPLATE write TEMPLATE with CR LF line ends and exit; TEMPLATE is\n"
               "                      one of: %1\n"
               "                      (server: the OSP server configuration; the others: the\n"
               "                      comment templates of the OSP server data files)\n"
               "  --type TYPE         the server type of the server template, in any letter\n"
               "                      case: %2\n"
               "  -o, --output FILE   write to FILE (replaced as a whole, or left untouched\n"
               "                      on failure) instead of standard output\n"
               "\n"
               "With --generate the exit status is 0 when the template was written, 1 when the\n"
               "output could not be written and 2 for a wrong template or type.\n"
               "\n"
               "Checking configs (no window is opened; no display is needed):\n"
               "  --check             tell what the game engine will really do with each FILE:\n"
               "                      prints FILE:LINE:COLUMN: error|warning|note: message [rule]\n"
               "  --engine ID         check for the engine ID (default: guessed per file from\n"
               "                      its folder and text); ID is one of: %3\n"
               "  --format json       print one JSON document instead of lines\n"
               "\n"
               "With --check the exit status is 0 when no file has errors, 1 when one has and\n"
               "2 for wrong arguments or a file that cannot be read.\n")
        .arg(generators::templateNames().join(QStringLiteral(", ")),
             types.join(QStringLiteral(", ")),
             analysis::engineProfileIds().join(QStringLiteral(", ")));
}

} // namespace frame
