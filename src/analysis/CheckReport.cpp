#include "analysis/CheckReport.h"

#include "analysis/EngineGuess.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace analysis {

namespace {

constexpr qint64 kMaxCheckedBytes = 64 * 1024 * 1024;

} // namespace

FileCheck checkFile(const QString &path, const QString &profileId)
{
    FileCheck result;
    result.path = path;
    const QFileInfo info(path);
    QFile file(path);
    if (!info.exists()) {
        result.readError = QStringLiteral("no such file");
    } else if (info.isDir()) {
        result.readError = QStringLiteral("is a folder, not a config file");
    } else if (info.size() > kMaxCheckedBytes) {
        result.readError = QStringLiteral("%1 bytes is too big for a config file").arg(info.size());
    } else if (!file.open(QIODevice::ReadOnly)) {
        result.readError = file.errorString();
    } else {
        // A file that shrinks or vanishes while read gives what was there; no config is lost.
        result.text = QString::fromLatin1(file.read(kMaxCheckedBytes));
    }
    if (!result.readError.isEmpty())
        return result;
    result.profileId = profileId.isEmpty() ? guessEngine(path, result.text).profileId : profileId;
    const EngineProfile *profile = engineProfile(result.profileId);
    if (!profile) {
        result.readError = QStringLiteral("unknown engine %1").arg(result.profileId);
        return result;
    }
    result.profileId = QLatin1String(profile->id);
    result.diagnostics = check({result.text, path, -1}, *profile);
    return result;
}

QString textReport(const FileCheck &check)
{
    QString report;
    const LineIndex lines(check.text);
    for (const Diagnostic &diagnostic : check.diagnostics)
        report += QStringLiteral("%1:%2:%3: %4: %5 [%6]\n")
                      .arg(check.path)
                      .arg(lines.line(diagnostic.begin))
                      .arg(lines.column(diagnostic.begin))
                      .arg(severityName(diagnostic.severity), diagnostic.message, diagnostic.rule);
    return report;
}

QByteArray jsonReport(const QList<FileCheck> &checks)
{
    QJsonArray files;
    for (const FileCheck &check : checks) {
        QJsonObject file{{QStringLiteral("file"), check.path},
                         {QStringLiteral("engine"), check.profileId}};
        if (!check.readError.isEmpty())
            file.insert(QStringLiteral("error"), check.readError);
        QJsonArray diagnostics;
        const LineIndex lines(check.text);
        for (const Diagnostic &d : check.diagnostics)
            diagnostics.append(QJsonObject{{QStringLiteral("line"), lines.line(d.begin)},
                                           {QStringLiteral("column"), lines.column(d.begin)},
                                           {QStringLiteral("endLine"), lines.line(d.end)},
                                           {QStringLiteral("endColumn"), lines.column(d.end)},
                                           {QStringLiteral("severity"), severityName(d.severity)},
                                           {QStringLiteral("rule"), d.rule},
                                           {QStringLiteral("message"), d.message}});
        file.insert(QStringLiteral("diagnostics"), diagnostics);
        files.append(file);
    }
    return QJsonDocument(QJsonObject{{QStringLiteral("files"), files}}).toJson();
}

} // namespace analysis
