#include "document/ConfigFile.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace document {

QString lineEndsName(LineEnds lineEnds)
{
    return lineEnds == LineEnds::Lf ? QStringLiteral("LF") : QStringLiteral("CR LF");
}

LineEnds detectLineEnds(const QByteArray &bytes)
{
    const qsizetype lineFeeds = bytes.count('\n');
    const qsizetype pairs = bytes.count("\r\n");
    return lineFeeds - pairs > pairs ? LineEnds::Lf : LineEnds::CrLf;
}

namespace {

/** Where a run of NUL bytes that ends @p bytes begins, or -1 when a NUL stands elsewhere. */
qsizetype paddingStart(const QByteArray &bytes, qsizetype firstNul)
{
    const bool onlyNuls =
        std::all_of(bytes.cbegin() + firstNul, bytes.cend(), [](char byte) { return byte == 0; });
    return onlyNuls ? firstNul : -1;
}

} // namespace

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
    if (!info.isFile()) {
        result.reason = QStringLiteral("It is not a regular file (a named pipe, socket or device).");
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
    QByteArray bytes = file.read(kMaxConfigFileBytes + 1);
    if (file.error() != QFileDevice::NoError) {
        result.reason = file.errorString();
        return result;
    }
    if (bytes.size() > kMaxConfigFileBytes) {
        result.reason = QStringLiteral("The file is too large for a config script.");
        return result;
    }
    if (const qsizetype nul = bytes.indexOf('\0'); nul >= 0) {
        const qsizetype padding = paddingStart(bytes, nul);
        if (padding < 0) {
            result.reason = QStringLiteral("It is not a text file (it contains NUL bytes).");
            return result;
        }
        result.paddingBytes = bytes.size() - padding;
        bytes.truncate(padding);
    }
    result.ok = true;
    result.lineEnds = detectLineEnds(bytes);
    result.text = QString::fromLatin1(bytes);
    return result;
}

QByteArray configFileBytes(const QString &editorText, LineEnds lineEnds, int *unencodable)
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
    if (lineEnds == LineEnds::Lf)
        text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return text.toLatin1();
}

qint64 configFileSize(const QString &plainText, LineEnds lineEnds)
{
    const qint64 breakBytes = lineEnds == LineEnds::Lf ? 1 : 2;
    const qint64 lineBreaks = plainText.count(u'\n');
    return plainText.size() - lineBreaks + lineBreaks * breakBytes +
           (plainText.endsWith(u'\n') ? 0 : breakBytes);
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
