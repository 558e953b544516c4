#pragma once

#include "analysis/EngineProfiles.h"

#include <QList>
#include <QString>

namespace analysis {

enum class Severity { Error, Warning, Note };

/** One finding: a range of the checked text, how bad it is, which rule, what to do. */
struct Diagnostic {
    int begin = 0;
    int end = 0;
    Severity severity = Severity::Warning;
    QString rule;
    QString message;
};

/** What to check. */
struct CheckInput {
    /** The text as the engine reads it, one character per byte (Latin-1). */
    QString text;
    /** The file's path; empty for an unsaved text. Files `exec`ed beside it are read. */
    QString path;
    /** The size the file has on disk, when it differs from the text (line ends); -1: the text's. */
    qint64 sizeOnDisk = -1;
};

/** Every diagnostic of @p input for @p profile, in text order. */
QList<Diagnostic> check(const CheckInput &input, const EngineProfile &profile);

/** Bytes of @p input that count against @p profile's command buffer. */
qint64 bufferedBytes(const CheckInput &input, const EngineProfile &profile);

/** "error", "warning", "note". */
QString severityName(Severity severity);

/** Offsets of the line starts of a text, for turning offsets into lines and columns. */
class LineIndex {
public:
    explicit LineIndex(const QString &text);
    /** 1-based line of @p offset. */
    int line(int offset) const;
    /** 1-based column of @p offset. */
    int column(int offset) const;

private:
    QList<int> m_starts;
};

} // namespace analysis
