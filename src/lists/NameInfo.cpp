#include "NameInfo.h"

#include <QFile>
#include <QFileInfo>

namespace lists {

namespace {

struct FlagName {
    const char *flag;
    const char *caption;
};

const FlagName kFlagNames[] = {
    {"archive", "saved to config"}, {"cheat", "cheat-protected"},  {"latch", "needs restart"},
    {"rom", "read-only"},           {"init", "command line only"}, {"userinfo", "userinfo"},
    {"serverinfo", "serverinfo"},   {"systeminfo", "systeminfo"},
};

const char kHeader[] = "name\tdefault\tflags\tdescription";

bool isKnownFlag(QStringView flag)
{
    for (const FlagName &row : kFlagNames)
        if (flag == QLatin1String(row.flag))
            return true;
    return false;
}

/** Why @p fields can't be a row, or an empty string when they can. */
QString rowProblem(const QList<QStringView> &fields, QStringList *flags)
{
    if (fields.size() != 4)
        return fields.size() == 1 ? QStringLiteral("1 field, not 4")
                                  : QStringLiteral("%1 fields, not 4").arg(fields.size());
    if (fields[0].trimmed().isEmpty())
        return QStringLiteral("empty name");
    for (QStringView flag : fields[2].split(u' ', Qt::SkipEmptyParts)) {
        if (!isKnownFlag(flag))
            return QStringLiteral("unknown flag \"%1\"").arg(flag);
        flags->append(flag.toString());
    }
    return QString();
}

struct CacheEntry {
    QDateTime modified;
    qint64 size = -1;
    bool reported = false;
    NameTable table;
};

QHash<QString, CacheEntry> &cache()
{
    static QHash<QString, CacheEntry> entries;
    return entries;
}

CacheEntry &freshEntry(const QString &fileName)
{
    const QFileInfo info(fileName);
    const QDateTime modified = info.exists() ? info.lastModified() : QDateTime();
    const qint64 size = info.exists() ? info.size() : -1;
    auto found = cache().find(fileName);
    if (found != cache().end() && found->modified == modified && found->size == size)
        return *found;
    CacheEntry entry{modified, size, false, NameTable::read(fileName)};
    return *cache().insert(fileName, std::move(entry));
}

} // namespace

const NameInfo *NameTable::find(const QString &name) const
{
    const auto found = m_rows.constFind(name.toLower());
    return found == m_rows.constEnd() ? nullptr : &*found;
}

NameTable NameTable::read(const QString &fileName)
{
    const QFileInfo info(fileName);
    if (fileName.isEmpty() || !info.exists())
        return NameTable();
    NameTable table;
    QFile file(fileName);
    // Devices and pipes could block; only plain files are read.
    if (!info.isFile() || !file.open(QIODevice::ReadOnly)) {
        table.m_problems << QStringLiteral("%1: can't be read").arg(fileName);
        return table;
    }
    const QByteArray bytes = file.read(kMaxNameFileBytes + 1);
    if (bytes.size() > kMaxNameFileBytes) {
        table = parse(bytes.left(bytes.lastIndexOf('\n', kMaxNameFileBytes) + 1), fileName);
        table.m_problems << QStringLiteral("%1: larger than %2 MB, the rest is ignored")
                                .arg(fileName)
                                .arg(kMaxNameFileBytes / (1024 * 1024));
        return table;
    }
    return parse(bytes, fileName);
}

NameTable NameTable::parse(const QByteArray &bytes, const QString &fileName)
{
    NameTable table;
    const QString text = QString::fromUtf8(bytes);
    bool headerSeen = false;
    int lineNumber = 0;
    for (QStringView line : QStringView(text).split(u'\n')) {
        ++lineNumber;
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        const auto report = [&](const QString &reason) {
            table.m_problems
                << QStringLiteral("%1:%2: %3").arg(fileName).arg(lineNumber).arg(reason);
        };
        if (!headerSeen) {
            headerSeen = true;
            if (line != QLatin1String(kHeader)) {
                report(QStringLiteral("the header is not \"name, default, flags, description\""));
                // A row in place of the header is still a row.
                if (line.startsWith(u"name\t"))
                    continue;
            } else {
                continue;
            }
        }
        if (line.contains(QChar(0)) || line.contains(QChar::ReplacementCharacter)) {
            report(QStringLiteral("not UTF-8 text"));
            continue;
        }
        const QList<QStringView> fields = line.split(u'\t');
        QStringList flags;
        const QString problem = rowProblem(fields, &flags);
        if (!problem.isEmpty()) {
            report(problem);
            continue;
        }
        const QString name = fields[0].trimmed().toString();
        const QString key = name.toLower();
        if (table.m_rows.contains(key)) {
            report(QStringLiteral("\"%1\" is listed twice").arg(name));
            continue;
        }
        table.m_rows.insert(
            key, NameInfo{name, fields[1].toString(), flags, fields[3].trimmed().toString()});
    }
    return table;
}

QString flagCaption(const QString &flag)
{
    for (const FlagName &row : kFlagNames)
        if (flag == QLatin1String(row.flag))
            return QLatin1String(row.caption);
    return flag;
}

QString nameFileFor(const QString &listFile)
{
    if (listFile.isEmpty())
        return QString();
    const int dot = int(listFile.lastIndexOf(u'.'));
    const int slash = int(listFile.lastIndexOf(u'/'));
    return (dot > slash ? listFile.left(dot) : listFile) + QStringLiteral(".tsv");
}

const NameTable &cachedNameTable(const QString &fileName)
{
    return freshEntry(fileName).table;
}

QStringList takeUnreportedProblems(const QString &fileName)
{
    CacheEntry &entry = freshEntry(fileName);
    if (entry.reported)
        return QStringList();
    entry.reported = true;
    return entry.table.problems();
}

} // namespace lists
