#pragma once

#include <QDateTime>
#include <QHash>
#include <QString>
#include <QStringList>

namespace lists {

/** What is known about one entry of a reference list: one row of its `.tsv` file. */
struct NameInfo {
    QString name;
    /** The engine's default, empty when unknown; an empty default is written `""`. */
    QString defaultValue;
    /** Words of the flag vocabulary (`archive`, `cheat`, ...), in file order. */
    QStringList flags;
    /** One line of plain text; empty when unknown. */
    QString description;
};

/** The rows of one `.tsv` file, found by name in any letter case, and its malformed lines. */
class NameTable {
public:
    /** The row named @p name in any letter case, or nullptr. */
    const NameInfo *find(const QString &name) const;
    bool isEmpty() const { return m_rows.isEmpty(); }
    int size() const { return int(m_rows.size()); }
    /** Every malformed line as "file:line: reason", in file order. */
    const QStringList &problems() const { return m_problems; }

    /**
     * Reads @p fileName (UTF-8). A missing file gives an empty table without problems; a
     * malformed line is skipped and listed in problems(); the rest of the file is used.
     */
    static NameTable read(const QString &fileName);
    /** Reads @p bytes as the contents of a file named @p fileName. */
    static NameTable parse(const QByteArray &bytes, const QString &fileName);

private:
    QHash<QString, NameInfo> m_rows; // keyed by the lower-case name
    QStringList m_problems;
};

/** Most bytes read from a `.tsv` file; the rest of a larger file is reported and ignored. */
constexpr qint64 kMaxNameFileBytes = 16 * 1024 * 1024;

/** The words users see for a flag ("saved to config" for `archive`); the flag itself if unknown. */
QString flagCaption(const QString &flag);

/** The `.tsv` file beside the list file @p listFile (`q3cvars.txt` -> `q3cvars.tsv`). */
QString nameFileFor(const QString &listFile);

/**
 * The table of @p fileName, read the first time it is asked for and again when the file
 * changes on disk; the same table otherwise (one cache per program run, UI thread only).
 * The reference holds until the next call of cachedNameTable or takeUnreportedProblems.
 */
const NameTable &cachedNameTable(const QString &fileName);

/**
 * The problems of @p fileName's table the first time they are asked for since the table
 * was read; empty afterwards, so the user is told once.
 */
QStringList takeUnreportedProblems(const QString &fileName);

} // namespace lists
