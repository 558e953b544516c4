#pragma once

#include <QCoreApplication>
#include <QProcess>

/** The tessel program, built beside the tests. */
inline QString programPath()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/tessel");
}

/**
 * Starts the program with @p arguments headless: on the offscreen platform, or with no way to
 * reach a display at all when @p withoutDisplay.
 */
inline void startProgram(QProcess &process, const QStringList &arguments,
                         bool withoutDisplay = false)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
        environment.remove(QLatin1String(name));
    if (!withoutDisplay)
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(environment);
    process.start(programPath(), arguments);
}
