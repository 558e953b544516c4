#include "platform/FileWriting.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStorageInfo>

#include <sys/stat.h>

namespace platform {

namespace {

bool hasOtherHardLinks(const QString &path)
{
    struct stat status {};
    return ::stat(QFile::encodeName(path).constData(), &status) == 0 && S_ISREG(status.st_mode) &&
           status.st_nlink > 1;
}

// QFileDevice buffers writes; a disk that fills up only fails once the buffer is flushed,
// and Qt 6.4's QSaveFile::commit() does not report that failure. So every byte is flushed
// and checked before the file is committed or closed.
bool writeAll(QFileDevice &file, const QByteArray &bytes)
{
    return file.write(bytes) == bytes.size() && file.flush();
}

QString errorOf(const QFileDevice &file)
{
    const QString text = file.errorString();
    return text.isEmpty() || text == QLatin1String("Unknown error")
               ? QStringLiteral("The file could not be written completely.")
               : text;
}

// Writing in place replaces the old bytes as it goes, so a disk that fills up half way
// would leave neither version: make sure the new bytes fit before the old ones go.
bool roomFor(const QString &path, qint64 size)
{
    const QFileInfo file(path);
    const qint64 growth = size - (file.exists() ? file.size() : 0);
    if (growth <= 0)
        return true;
    const QStorageInfo storage(file.absolutePath());
    return !storage.isValid() || storage.bytesAvailable() >= growth;
}

const QString kNoRoom = QStringLiteral("No space left on device: the file was left as it was.");

QString writeInPlace(const QString &path, const QByteArray &bytes)
{
    if (!roomFor(path, bytes.size()))
        return kNoRoom;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return errorOf(file);
    if (!writeAll(file, bytes))
        return errorOf(file);
    file.close();
    if (file.error() != QFileDevice::NoError)
        return errorOf(file);
    return QString();
}

} // namespace

QString writeFileSafely(const QString &path, const QByteArray &bytes)
{
    if (QFileInfo(path).isDir())
        return QStringLiteral("It is a folder, not a file.");
    if (hasOtherHardLinks(path))
        return writeInPlace(path, bytes);
    // A folder that refuses the temporary file makes QSaveFile write in place.
    if (!QFileInfo(QFileInfo(path).absolutePath()).isWritable() && !roomFor(path, bytes.size()))
        return kNoRoom;
    QSaveFile file(path);
    // Only when the folder refuses the temporary file (and the file may be written).
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly))
        return errorOf(file);
    if (!writeAll(file, bytes)) {
        const QString error = errorOf(file);
        file.cancelWriting();
        return error;
    }
    if (!file.commit())
        return errorOf(file);
    return QString();
}

} // namespace platform
