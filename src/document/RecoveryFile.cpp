#include "document/RecoveryFile.h"

#include <QCryptographicHash>
#include <QHash>
#include <QList>

namespace document {

namespace {

constexpr char kMagic[] = "Tessel recovery 1";

QByteArray hashOf(const QByteArray &bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
}

QByteArray field(const char *name, const QString &value)
{
    return QByteArray(name) + ": " + value.toUtf8().toPercentEncoding() + '\n';
}

std::optional<RecoveryRecord> fail(QString *reason, const QString &why)
{
    if (reason)
        *reason = why;
    return std::nullopt;
}

} // namespace

QByteArray encodeRecovery(const RecoveryRecord &record)
{
    QByteArray bytes = QByteArray(kMagic) + '\n';
    bytes += field("title", record.title);
    bytes += field("path", record.path);
    bytes += field("game", QString::number(int(record.game)));
    bytes += field("mod", QString::number(record.modId));
    bytes += field("mod-name", record.modName);
    bytes += field("line-ends", record.lineEnds == LineEnds::Lf ? QStringLiteral("LF")
                                                                : QStringLiteral("CR LF"));
    bytes += field("written", record.written.toUTC().toString(Qt::ISODateWithMs));
    bytes += field("rtf-length", QString::number(record.rtf.size()));
    bytes += field("rtf-sha256", QString::fromLatin1(hashOf(record.rtf)));
    bytes += '\n';
    bytes += record.rtf;
    return bytes;
}

std::optional<RecoveryRecord> decodeRecovery(const QByteArray &bytes, QString *reason)
{
    const qsizetype headerEnd = bytes.indexOf("\n\n");
    if (headerEnd < 0)
        return fail(reason, QStringLiteral("The file is incomplete."));
    const QList<QByteArray> lines = bytes.left(headerEnd).split('\n');
    if (lines.first() != kMagic)
        return fail(reason, QStringLiteral("It is not a Tessel recovery file."));
    QHash<QByteArray, QString> fields;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const qsizetype colon = lines[i].indexOf(": ");
        if (colon <= 0)
            return fail(reason, QStringLiteral("Line %1 of its header is damaged.").arg(i + 1));
        fields.insert(lines[i].left(colon),
                      QString::fromUtf8(QByteArray::fromPercentEncoding(lines[i].mid(colon + 2))));
    }
    static const char *const required[] = {"title", "path", "game", "mod", "mod-name",
                                           "written", "rtf-length", "rtf-sha256"};
    for (const char *name : required)
        if (!fields.contains(name))
            return fail(reason, QStringLiteral("Its header lacks \"%1\".").arg(QLatin1String(name)));

    bool gameOk = false, modOk = false, lengthOk = false;
    RecoveryRecord record;
    record.title = fields.value("title");
    record.path = fields.value("path");
    // A game this version does not know still gives its text back, as a blank config.
    record.game = core::gameOfCode(fields.value("game").toInt(&gameOk)).value_or(core::Game::Blank);
    record.modId = fields.value("mod").toInt(&modOk);
    record.modName = fields.value("mod-name");
    // Files written before line ends were kept have no such field: they were CR LF.
    if (fields.value("line-ends") == QLatin1String("LF"))
        record.lineEnds = LineEnds::Lf;
    record.written = QDateTime::fromString(fields.value("written"), Qt::ISODateWithMs);
    const qint64 length = fields.value("rtf-length").toLongLong(&lengthOk);
    if (!gameOk || !modOk || !lengthOk || length < 0 || !record.written.isValid())
        return fail(reason, QStringLiteral("Its header is damaged."));
    record.rtf = bytes.mid(headerEnd + 2);
    if (record.rtf.size() != length)
        return fail(reason, QStringLiteral("The file is truncated or damaged (%1 of %2 bytes of text).")
                                .arg(record.rtf.size())
                                .arg(length));
    if (hashOf(record.rtf) != fields.value("rtf-sha256").toLatin1())
        return fail(reason, QStringLiteral("Its text is damaged (checksum mismatch)."));
    return record;
}

} // namespace document
