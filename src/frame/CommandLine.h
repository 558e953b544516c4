#pragma once

#include <QString>
#include <QStringList>

namespace frame {

/** What the program was asked to do by its arguments. */
struct CommandLine {
    bool help = false;
    bool version = false;
    /** Local server name of the single-instance hand-over; empty for the per-user default. */
    QString instanceName;
    /** Files to open, made absolute. */
    QStringList files;
    /** The same files as given, for messages that name them the way the user did. */
    QStringList givenFiles;
    /** --generate: write a template instead of starting the editor. */
    bool generate = false;
    /** The template named by --generate, as given. */
    QString templateName;
    /** --type: the server type of the server template, as given. */
    QString serverType;
    /** -o / --output: the file to write the template to, made absolute; empty for standard output. */
    QString outputFile;
    /** --check: check the files for what the engine will do with them, print, exit. */
    bool check = false;
    /** --engine: the engine profile id to check for; empty to guess it per file. */
    QString engineId;
    /** --format json: machine-readable check output. */
    bool jsonFormat = false;
    /** Not empty when the arguments could not be understood. */
    QString error;
};

/** Reads the arguments (without the program name); relative file names are taken from @p workingFolder. */
CommandLine parseCommandLine(const QStringList &arguments, const QString &workingFolder);

/** The text of --help. */
QString commandLineHelp();

} // namespace frame
