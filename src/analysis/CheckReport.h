#pragma once

#include "analysis/Diagnostics.h"

#include <QString>

namespace analysis {

/** The outcome of checking one file from the command line. */
struct FileCheck {
    QString path;      // as the user named it
    QString profileId; // the engine it was checked for
    QString readError; // why the file could not be read; empty when it was
    QString text;      // the file's text (Latin-1)
    QList<Diagnostic> diagnostics;
};

/** Reads and checks @p path for the engine @p profileId, or for the guessed one when empty. */
FileCheck checkFile(const QString &path, const QString &profileId);

/** "FILE:LINE:COLUMN: severity: message [rule]" lines, as compilers print them. */
QString textReport(const FileCheck &check);

/** All checks as one JSON document: files with their engine and diagnostics. */
QByteArray jsonReport(const QList<FileCheck> &checks);

} // namespace analysis
