#include "platform/IniFile.h"

#include "platform/AppPaths.h"
#include "platform/FileWriting.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QStringDecoder>
#include <QStandardPaths>
#include <QStringList>

#include <algorithm>

namespace platform {

namespace {

const QString SettingsFileName = QStringLiteral("Tessel.ini");

QString native(const QString &path) { return QDir::toNativeSeparators(path); }

bool isBlank(QChar ch) { return ch == u' ' || ch == u'\t'; }

QStringView trimmedBlanks(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    return text.sliced(begin, end - begin);
}

bool sameName(QStringView a, QStringView b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

/** The name of a "[section]" line, or nothing for other lines. */
std::optional<QStringView> sectionName(QStringView line)
{
    const QStringView text = trimmedBlanks(line);
    if (!text.startsWith(u'['))
        return std::nullopt;
    const qsizetype close = text.indexOf(u']');
    if (close < 0)
        return std::nullopt;
    return trimmedBlanks(text.sliced(1, close - 1));
}

struct KeyLine {
    QStringView key;
    QStringView value;
};

std::optional<KeyLine> keyLine(QStringView line)
{
    const qsizetype equals = line.indexOf(u'=');
    if (equals < 0)
        return std::nullopt;
    return KeyLine{trimmedBlanks(line.first(equals)), trimmedBlanks(line.sliced(equals + 1))};
}

/** The file's lines; @p latin1 (optional) tells whether it was an old Latin-1 file. */
QStringList splitLines(QByteArray bytes, bool *latin1 = nullptr)
{
    // Some editors put a UTF-8 byte order mark in front; it would hide the first section.
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);
    // Written as UTF-8; a file of older versions is Latin-1, which is seldom valid UTF-8.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (latin1)
        *latin1 = utf8.hasError();
    if (utf8.hasError())
        text = QString::fromLatin1(bytes);
    QStringList lines = text.split(u'\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    for (QString &line : lines) {
        if (line.endsWith(u'\r'))
            line.chop(1);
    }
    return lines;
}

/** Where a key lives in the file's lines: -1 for what was not found. */
struct Location {
    qsizetype sectionLine = -1;
    qsizetype keyLine = -1;
    qsizetype lastContentLine = -1; // last non-blank line of the section, the header at least
};

Location locate(const QStringList &lines, QStringView section, QStringView key)
{
    Location location;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const std::optional<QStringView> name = sectionName(lines.at(i));
        if (location.sectionLine < 0) {
            if (name && sameName(*name, section))
                location.sectionLine = location.lastContentLine = i;
            continue;
        }
        if (name) // the next section ends ours
            break;
        if (!trimmedBlanks(lines.at(i)).isEmpty())
            location.lastContentLine = i;
        const std::optional<KeyLine> entry = keyLine(lines.at(i));
        if (entry && sameName(entry->key, key)) {
            location.keyLine = i;
            break;
        }
    }
    return location;
}

bool isLatin1(const QString &text)
{
    return std::all_of(text.begin(), text.end(), [](QChar ch) { return ch.unicode() <= 0xFF; });
}

bool hasLineBreak(QStringView text) { return text.contains(u'\n') || text.contains(u'\r'); }

QString invalidArgument(const QString &section, const QString &key, const QString &value)
{
    if (trimmedBlanks(section).isEmpty() || section.contains(u']') || hasLineBreak(section))
        return QStringLiteral("\"%1\" is not a valid settings section name.").arg(section);
    if (trimmedBlanks(key).isEmpty() || key.contains(u'=') || hasLineBreak(key))
        return QStringLiteral("\"%1\" is not a valid settings key name.").arg(key);
    if (hasLineBreak(value))
        return QStringLiteral("The value of %1 must be a single line.").arg(key);
    return QString();
}

bool fail(QString *error, const QString &text)
{
    if (error)
        *error = text;
    return false;
}

} // namespace

std::optional<QString> IniFile::rawValue(const QString &path, const QString &section,
                                         const QString &key)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QStringList lines = splitLines(file.readAll());
    const Location location = locate(lines, section, key);
    if (location.keyLine < 0)
        return std::nullopt;
    return keyLine(lines.at(location.keyLine))->value.toString();
}

QString IniFile::readValue(const QString &path, const QString &section, const QString &key,
                           const QString &defaultValue)
{
    return rawValue(path, section, key).value_or(defaultValue);
}

bool IniFile::writeValue(const QString &path, const QString &section, const QString &key,
                         const QString &value, QString *error)
{
    return writeValues(path, section, {{key, value}}, error);
}

bool IniFile::writeValues(const QString &path, const QString &section,
                          const QList<std::pair<QString, QString>> &values, QString *error)
{
    for (const auto &[key, value] : values)
        if (const QString invalid = invalidArgument(section, key, value); !invalid.isEmpty())
            return fail(error, invalid);

    // Another Tessel using the same settings file (a second user of a portable copy) may be
    // changing it right now: read, change and write under a lock so neither loses the
    // other's change. Where no lock can be made (a read-only folder), write without one.
    QLockFile lock(path + QStringLiteral(".lock"));
    lock.tryLock(2000);

    const QFileInfo info(path);
    if (info.isDir())
        return fail(error, QStringLiteral("Can't write the settings file %1: a folder of that "
                                          "name is in the way.")
                               .arg(native(path)));

    QStringList lines;
    bool latin1File = false;
    if (info.exists()) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return fail(error, QStringLiteral("Can't read the settings file %1: %2")
                                   .arg(native(path), file.errorString()));
        lines = splitLines(file.readAll(), &latin1File);
    } else if (!QDir().mkpath(info.absolutePath())) {
        return fail(error, QStringLiteral("Can't create the folder %1 for the settings file.")
                               .arg(native(info.absolutePath())));
    }

    for (const auto &[key, value] : values) {
        const Location location = locate(lines, section, key);
        if (location.keyLine >= 0) {
            // Keep the key as the file spells it; only the value changes.
            const QString existingKey = keyLine(lines.at(location.keyLine))->key.toString();
            lines[location.keyLine] = existingKey + u'=' + value;
        } else if (location.sectionLine >= 0) {
            lines.insert(location.lastContentLine + 1, key + u'=' + value);
        } else {
            if (!lines.isEmpty() && !trimmedBlanks(lines.last()).isEmpty())
                lines.append(QString());
            lines.append(u'[' + section + u']');
            lines.append(key + u'=' + value);
        }
    }

    // A Latin-1 file stays Latin-1 while it can hold every value; otherwise all of it,
    // read right, becomes UTF-8.
    const bool keepLatin1 = latin1File && std::all_of(lines.cbegin(), lines.cend(), isLatin1);
    QByteArray bytes;
    for (const QString &line : std::as_const(lines)) {
        bytes += keepLatin1 ? line.toLatin1() : line.toUtf8();
        bytes += "\r\n";
    }
    if (const QString written = writeFileSafely(path, bytes); !written.isEmpty())
        return fail(error,
                    QStringLiteral("Can't write the settings file %1: %2").arg(native(path), written));
    return true;
}

QString settingsKeyOfPath(const QString &path)
{
    const QStringView unsafe = u"%=[];#";
    qsizetype end = path.size();
    while (end > 0 && isBlank(path.at(end - 1)))
        --end;
    QString key;
    for (qsizetype i = 0; i < path.size(); ++i) {
        const QChar ch = path.at(i);
        const bool escape = unsafe.contains(ch) || ch.unicode() < 0x20 || ch.unicode() == 0x7F ||
                            (isBlank(ch) && (i == 0 || i >= end));
        if (escape)
            key += QStringLiteral("%%1").arg(ch.unicode(), 2, 16, QLatin1Char('0')).toUpper();
        else
            key += ch;
    }
    return key;
}

QString settingsFilePath()
{
    const QString folder = programFolder();
    const QString beside = folder + u'/' + SettingsFileName;
    const QFileInfo folderInfo(folder);
    // An installation's shared data folder is writable for root, but settings never go there.
    const bool portable = !isInstalledDataFolder(folder);
    if (portable && (QFileInfo::exists(beside) || (folderInfo.isDir() && folderInfo.isWritable())))
        return beside;
    const QString configFolder =
        QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    if (configFolder.isEmpty())
        return beside;
    return configFolder + u'/' + SettingsFileName;
}

} // namespace platform
