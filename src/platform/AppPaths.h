#pragma once

#include <QString>

namespace platform {

/**
 * The program folder: the folder that holds Configs/ and Help/. Beside the executable
 * in a build tree or a portable copy, <prefix>/share/tessel when installed.
 * No trailing separator.
 */
QString programFolder();

/** Whether @p folder is the shared data folder of an installation (never a place to write). */
bool isInstalledDataFolder(const QString &folder);

/** Overrides the program folder (tests); an empty path restores the lookup. */
void setProgramFolder(const QString &folder);

/** programFolder() + "/Configs". */
QString configsFolder();

/** programFolder() + "/Help". */
QString helpFolder();

/**
 * @p path made absolute against @p folder (the working folder when empty) and cleaned.
 * A name starting with ':' is an ordinary file name here, never a Qt resource.
 */
QString absoluteFilePath(const QString &path, const QString &folder = QString());

} // namespace platform
