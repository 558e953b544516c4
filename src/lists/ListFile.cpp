#include "ListFile.h"

#include "lists/NameInfo.h"

#include <algorithm>

#include <QFile>
#include <QFileInfo>

namespace lists {

namespace {

ListFile failure(const QString &text, const QString &title) { return {{}, text, title}; }

ListFile fileFailure(const QFile &file)
{
    return failure(file.errorString(), QStringLiteral("Error #%1").arg(int(file.error())));
}

} // namespace

ListFile readListFile(const QString &fileName, bool uppercase)
{
    const QFileInfo info(fileName);
    if (fileName.isEmpty() || !info.exists())
        return failure(QStringLiteral("Couldn't find ") + fileName + QStringLiteral("!"),
                       QStringLiteral("Error"));

    // Devices, pipes and sockets could block or never end; directories are left to QFile,
    // which names them in its own error.
    if (!info.isFile() && !info.isDir())
        return failure(QStringLiteral("file to open is not a regular file"),
                       QStringLiteral("Error #%1").arg(int(QFileDevice::OpenError)));

    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return fileFailure(file);
    QByteArray bytes = file.read(MaxListFileBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return fileFailure(file);
    file.close();

    if (bytes.contains('\0'))
        return failure(fileName + QStringLiteral(" is not a text file."), QStringLiteral("Error"));

    if (bytes.size() > MaxListFileBytes) {
        // Only whole lines count: drop the line the cap cut through.
        bytes.truncate(MaxListFileBytes);
        const qsizetype lastBreak = std::max(bytes.lastIndexOf('\n'), bytes.lastIndexOf('\r'));
        bytes.truncate(std::max<qsizetype>(lastBreak, 0));
    }

    // A lone CR or LF ends a line as well as CR LF; the empty piece between CR and LF is
    // skipped with the empty lines.
    const NameTable &names = cachedNameTable(nameFileFor(fileName));
    ListFile result;
    const QString text = QString::fromLatin1(bytes);
    qsizetype start = 0;
    while (start < text.size() && result.entries.size() < MaxListEntries) {
        qsizetype end = start;
        while (end < text.size() && text[end] != u'\r' && text[end] != u'\n')
            ++end;
        if (end > start) {
            const QString line = text.mid(start, end - start);
            ListEntry entry{uppercase ? line.toUpper() : line.toLower(), {}, {}};
            if (const NameInfo *known = names.find(line)) {
                entry.description = known->description;
                entry.defaultValue = known->defaultValue;
            }
            result.entries << entry;
        }
        start = end + 1;
    }
    return result;
}

} // namespace lists
