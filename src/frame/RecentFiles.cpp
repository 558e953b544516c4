#include "frame/RecentFiles.h"

#include "platform/IniFile.h"

#include <QDir>

namespace frame {

namespace {
const QString kSection = QStringLiteral("Recent Files");
QString keyOf(int number)
{
    return QStringLiteral("File%1").arg(number);
}
} // namespace

QStringList withRecentFile(const QStringList &list, const QString &path)
{
    const QString cleaned = QDir::cleanPath(path);
    QStringList result{cleaned};
    for (const QString &entry : list)
        if (entry != cleaned && result.size() < kRecentFileCount)
            result.append(entry);
    return result;
}

QStringList readRecentFiles(const QString &settingsPath)
{
    QStringList list;
    for (int number = 1; number <= kRecentFileCount; ++number) {
        const QString path = platform::IniFile::readValue(settingsPath, kSection, keyOf(number));
        if (!path.isEmpty() && !list.contains(path))
            list.append(path);
    }
    return list;
}

bool writeRecentFiles(const QString &settingsPath, const QStringList &list, QString *error)
{
    // Unused places are written empty, so a shorter list leaves no stale names behind.
    for (int number = 1; number <= kRecentFileCount; ++number)
        if (!platform::IniFile::writeValue(settingsPath, kSection, keyOf(number),
                                           list.value(number - 1), error))
            return false;
    return true;
}

QRect fitInside(const QRect &window, const QRect &area)
{
    QRect fitted(window.topLeft(), window.size().boundedTo(area.size()));
    fitted.moveLeft(std::clamp(fitted.left(), area.left(), area.right() - fitted.width() + 1));
    fitted.moveTop(std::clamp(fitted.top(), area.top(), area.bottom() - fitted.height() + 1));
    return fitted;
}

} // namespace frame
