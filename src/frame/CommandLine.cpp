#include "frame/CommandLine.h"

#include <QDir>

namespace frame {

CommandLine parseCommandLine(const QStringList &arguments, const QString &workingFolder)
{
    CommandLine result;
    const QDir folder(workingFolder);
    bool optionsEnded = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
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
        if (argument.isEmpty())
            continue;
        // The running instance may have another working folder, so names travel absolute.
        result.files.append(QDir::cleanPath(folder.absoluteFilePath(argument)));
    }
    return result;
}

QString commandLineHelp()
{
    return QStringLiteral(
        "Usage: tessel [OPTIONS] [FILE...]\n"
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
        "  --                  treat every following argument as a file name\n");
}

} // namespace frame
