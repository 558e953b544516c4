#include "analysis/CheckReport.h"
#include "document/Recovery.h"
#include "frame/CommandLine.h"
#include "frame/frmParent.h"
#include "generators/TemplateTexts.h"
#include "platform/Dialogs.h"
#include "platform/FileWriting.h"
#include "platform/IniFile.h"
#include "platform/SingleInstance.h"

#include <QApplication>
#include <QDir>
#include <QTimer>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

QStringList argumentsOf(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

void print(FILE *stream, const QString &text) { std::fputs(text.toLocal8Bit().constData(), stream); }

// --generate: the template goes to standard output or, through a temporary file that replaces
// the target only when complete, to the -o file. Byte for byte what the editor would hold.
int writeTemplate(const frame::CommandLine &commandLine)
{
    const generators::GeneratedTemplate generated =
        generators::generateTemplate(commandLine.templateName, commandLine.serverType);
    if (!generated.ok()) {
        print(stderr, QStringLiteral("tessel: %1\n").arg(generated.message));
        return 2;
    }
    const QByteArray bytes = generated.text.toLatin1();

    if (commandLine.outputFile.isEmpty()) {
        const bool written =
            std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout) == size_t(bytes.size());
        if (!written || std::fflush(stdout) != 0) {
            print(stderr, QStringLiteral("tessel: cannot write to standard output: %1\n")
                              .arg(QString::fromLocal8Bit(std::strerror(errno))));
            return 1;
        }
        return 0;
    }

    const QString error = platform::writeFileSafely(commandLine.outputFile, bytes);
    if (!error.isEmpty()) {
        print(stderr, QStringLiteral("tessel: cannot write %1: %2\n")
                          .arg(QDir::toNativeSeparators(commandLine.outputFile), error));
        return 1;
    }
    return 0;
}

// --check: each file's diagnostics on standard output; unreadable files on standard error.
int checkFiles(const frame::CommandLine &commandLine)
{
    QList<analysis::FileCheck> checks;
    bool unreadable = false;
    bool errors = false;
    for (const QString &path : commandLine.givenFiles) {
        const analysis::FileCheck check = analysis::checkFile(path, commandLine.engineId);
        if (!check.readError.isEmpty()) {
            unreadable = true;
            print(stderr, QStringLiteral("tessel: cannot check %1: %2\n")
                              .arg(QDir::toNativeSeparators(path), check.readError));
        }
        for (const analysis::Diagnostic &diagnostic : check.diagnostics)
            errors = errors || diagnostic.severity == analysis::Severity::Error;
        if (!commandLine.jsonFormat)
            print(stdout, analysis::textReport(check));
        checks.append(check);
    }
    if (commandLine.jsonFormat) {
        const QByteArray json = analysis::jsonReport(checks);
        std::fwrite(json.constData(), 1, size_t(json.size()), stdout);
    }
    std::fflush(stdout);
    return unreadable ? 2 : errors ? 1 : 0;
}

} // namespace

int main(int argc, char *argv[])
{
    // Help, version, the template generator and the checker need no display.
    const frame::CommandLine commandLine = frame::parseCommandLine(argumentsOf(argc, argv), QDir::currentPath());
    if (!commandLine.error.isEmpty()) {
        print(stderr, QStringLiteral("tessel: %1\nTry 'tessel --help'.\n").arg(commandLine.error));
        return 2;
    }
    if (commandLine.help) {
        print(stdout, frame::commandLineHelp());
        return 0;
    }
    if (commandLine.version) {
        print(stdout, QStringLiteral("Tessel %1\n").arg(QStringLiteral(TESSEL_VERSION)));
        return 0;
    }
    if (commandLine.generate)
        return writeTemplate(commandLine);
    if (commandLine.check)
        return checkFiles(commandLine);

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tessel"));
    QApplication::setOrganizationName(QStringLiteral("Tessel"));
    QApplication::setApplicationVersion(QStringLiteral(TESSEL_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("tessel"));

    platform::SingleInstance instance(commandLine.instanceName);
    if (!commandLine.files.isEmpty()) {
        switch (instance.handOver(commandLine.files)) {
        case platform::SingleInstance::HandOver::Delivered:
            return 0;
        case platform::SingleInstance::HandOver::TooLong:
            platform::messageBox(
                QStringLiteral("Too many file names to hand over to the running Tessel "
                               "(at most %1 KB). Open fewer files at a time.")
                    .arg(platform::SingleInstance::kMaxMessageBytes / 1024),
                platform::Buttons::Ok, platform::Icon::Exclamation);
            return 1;
        case platform::SingleInstance::HandOver::NoInstance:
            break;
        }
    }

    frame::frmParent frame;
    frame.useSettings(platform::settingsFilePath());
    frame.documents().enableRecovery(document::Recovery::defaultFolder());
    if (!instance.listen() && !instance.errorString().isEmpty())
        print(stderr, QStringLiteral("tessel: later starts cannot hand their files to this one: %1\n")
                          .arg(instance.errorString()));
    QObject::connect(&instance, &platform::SingleInstance::filesHandedOver, &frame,
                     [&frame](const QStringList &files) {
                         frame.openCommandLineFiles(files);
                         frame.raise();
                         frame.activateWindow();
                     });
    frame.show();
    frame.openCommandLineFiles(commandLine.files);
    QTimer::singleShot(0, &frame, [&frame] { frame.documents().recovery()->offerRecovery(); });
    const int exitCode = app.exec();
    frame.documents().recovery()->endSession();
    return exitCode;
}
