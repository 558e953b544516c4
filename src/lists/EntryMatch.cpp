#include "EntryMatch.h"

#include <QStringList>

namespace lists {

namespace {

/** Whether @p word begins a word of @p text (after a character that is no letter or digit). */
bool beginsAWord(const QString &text, const QString &word)
{
    qsizetype from = 0;
    while ((from = text.indexOf(word, from, Qt::CaseInsensitive)) >= 0) {
        if (from == 0 || !text[from - 1].isLetterOrNumber())
            return true;
        ++from;
    }
    return false;
}

bool matchesEveryWord(const ListEntry &entry, const QStringList &words)
{
    for (const QString &word : words)
        if (!entry.name.contains(word, Qt::CaseInsensitive) &&
            !beginsAWord(entry.description, word))
            return false;
    return true;
}

} // namespace

QList<int> matchingEntries(const QList<ListEntry> &entries, const QString &typed)
{
    QList<int> rows;
    if (typed.isEmpty()) {
        rows.reserve(entries.size());
        for (int row = 0; row < entries.size(); ++row)
            rows << row;
        return rows;
    }
    QList<int> byWords;
    const QStringList words = typed.split(u' ', Qt::SkipEmptyParts);
    for (int row = 0; row < entries.size(); ++row) {
        if (entries[row].name.startsWith(typed, Qt::CaseInsensitive))
            rows << row;
        else if (!words.isEmpty() && matchesEveryWord(entries[row], words))
            byWords << row;
    }
    return rows + byWords;
}

} // namespace lists
