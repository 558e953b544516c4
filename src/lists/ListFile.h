#pragma once

#include "lists/EntryMatch.h"

namespace lists {

/** Most bytes of a list file read; the rest of a larger file is ignored. */
constexpr qint64 MaxListFileBytes = 4 * 1024 * 1024;
/** Most entries taken from a list file; further lines are ignored. */
constexpr int MaxListEntries = 100000;

/** The entries of a list file, or why there are none. */
struct ListFile {
    QList<ListEntry> entries;
    /** Empty on success; else the message for the user and its title. */
    QString error;
    QString errorTitle;
};

/**
 * The non-empty lines of @p fileName (Latin-1; lines end at CR LF, LF or CR), each upper-cased
 * or lower-cased, described by the rows of the `.tsv` file beside it (nameFileFor).
 */
ListFile readListFile(const QString &fileName, bool uppercase);

} // namespace lists
