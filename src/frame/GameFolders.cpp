#include "frame/GameFolders.h"

#include <QFileInfo>

namespace frame {

namespace {

struct Candidate {
    int game;
    const char *folder; // below the home folder
};

// The folders the Linux ports and Steam use, most particular first.
const Candidate kLinuxFolders[] = {
    {0, ".yq2"},
    {0, ".quake2"},
    {0, ".q2pro"},
    {0, ".local/share/Steam/steamapps/common/Quake 2"},
    {0, ".steam/steam/steamapps/common/Quake 2"},
    {1, ".q3a"},
    {1, ".ioquake3"},
    {1, ".local/share/Steam/steamapps/common/Quake 3 Arena"},
    {1, ".steam/steam/steamapps/common/Quake 3 Arena"},
};

} // namespace

QString proposedGameFolder(int game, const QString &home)
{
#ifdef Q_OS_WIN
    Q_UNUSED(home);
    return game == 0 ? QStringLiteral("C:\\Program Files\\Quake 2\\")
                     : QStringLiteral("C:\\Program Files\\Quake 3\\");
#else
    for (const Candidate &candidate : kLinuxFolders) {
        const QString folder = home + u'/' + QLatin1String(candidate.folder);
        if (candidate.game == game && QFileInfo(folder).isDir())
            return folder + u'/';
    }
    return QString();
#endif
}

} // namespace frame
