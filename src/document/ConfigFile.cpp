#include "document/ConfigFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace document {

ReadResult readConfigFile(const QString &path)
{
    ReadResult result;
    const QFileInfo info(path);
    if (!info.exists()) {
        result.reason = QStringLiteral("The file does not exist.");
        return result;
    }
    if (info.isDir()) {
        result.reason = QStringLiteral("It is a folder, not a file.");
        return result;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.reason = file.errorString();
        return result;
    }
    if (file.size() > kMaxConfigFileBytes) {
        result.reason = QStringLiteral("The file is larger than %1 MB, too large for a config script.")
                            .arg(kMaxConfigFileBytes / (1024 * 1024));
        return result;
    }
    const QByteArray bytes = file.read(kMaxConfigFileBytes + 1);
    if (file.error() != QFileDevice::NoError) {
        result.reason = file.errorString();
        return result;
    }
    if (bytes.size() > kMaxConfigFileBytes) {
        result.reason = QStringLiteral("The file is too large for a config script.");
        return result;
    }
    if (bytes.contains('\0')) {
        result.reason = QStringLiteral("It is not a text file (it contains NUL bytes).");
        return result;
    }
    result.ok = true;
    result.text = QString::fromLatin1(bytes);
    return result;
}

QByteArray configFileBytes(const QString &editorText, int *unencodable)
{
    QString text = editorText;
    if (text.endsWith(QLatin1String("\r\n")))
        text.chop(2);
    text += QLatin1String("\r\n");
    int outside = 0;
    for (const QChar ch : std::as_const(text))
        if (ch.unicode() > 0xFF)
            ++outside;
    if (unencodable)
        *unencodable = outside;
    QByteArray bytes = text.toLatin1();
    return bytes;
}

qint64 configFileSize(const QString &plainText)
{
    const qint64 lineBreaks = plainText.count(u'\n');
    return plainText.size() + lineBreaks + (plainText.endsWith(u'\n') ? 0 : 2);
}

QString writeFileSafely(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    if (file.write(bytes) != bytes.size()) {
        const QString error = file.errorString();
        file.cancelWriting();
        return error;
    }
    if (!file.commit())
        return file.errorString();
    return QString();
}

QString GetExtension(const QString &path)
{
    const qsizetype separator =
        std::max(path.lastIndexOf(QLatin1Char('\\')), path.lastIndexOf(QLatin1Char('/')));
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    if (dot < 0 || dot < separator)
        return QString();
    return path.mid(dot + 1);
}

} // namespace document
