#include "platform/AppPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace platform {

namespace {
QString g_override;

bool holdsData(const QString &folder) { return QFileInfo(folder + "/Configs").isDir(); }

// Where an installation keeps the data: share/tessel beside its bin folder (so a package
// works whatever prefix it was built for), then the folder named when it was configured.
QStringList installedDataFolders()
{
    return {QDir::cleanPath(QCoreApplication::applicationDirPath() + u'/' +
                            QStringLiteral(TESSEL_DATA_FROM_BIN_DIR)),
            QStringLiteral(TESSEL_DATA_INSTALL_DIR)};
}
} // namespace

QString programFolder()
{
    if (!g_override.isEmpty())
        return g_override;
    const QString besideProgram = QCoreApplication::applicationDirPath();
    if (holdsData(besideProgram))
        return besideProgram;
    for (const QString &installed : installedDataFolders()) {
        if (holdsData(installed))
            return installed;
    }
    return besideProgram;
}

bool isInstalledDataFolder(const QString &folder)
{
    return installedDataFolders().contains(QDir::cleanPath(folder));
}

void setProgramFolder(const QString &folder)
{
    g_override = folder.isEmpty() ? QString() : QDir::cleanPath(folder);
}

QString configsFolder() { return programFolder() + QStringLiteral("/Configs"); }

QString helpFolder() { return programFolder() + QStringLiteral("/Help"); }

QString absoluteFilePath(const QString &path, const QString &folder)
{
    const QString base = folder.isEmpty() ? QDir::currentPath() : folder;
    // Qt reads a leading ':' as its resource system; on disk it is just a character.
    if (path.startsWith(u':'))
        return QDir::cleanPath(base + u'/' + path);
    return QDir::cleanPath(QDir(base).absoluteFilePath(path));
}

} // namespace platform
