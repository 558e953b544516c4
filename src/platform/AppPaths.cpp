#include "platform/AppPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace platform {

namespace {
QString g_override;

bool holdsData(const QString &folder) { return QFileInfo(folder + "/Configs").isDir(); }
} // namespace

QString programFolder()
{
    if (!g_override.isEmpty())
        return g_override;
    const QString besideProgram = QCoreApplication::applicationDirPath();
    if (holdsData(besideProgram))
        return besideProgram;
    const QString installed = QStringLiteral(TESSEL_DATA_INSTALL_DIR);
    if (holdsData(installed))
        return installed;
    return besideProgram;
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
