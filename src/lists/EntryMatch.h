#pragma once

#include <QList>
#include <QString>

namespace lists {

/** One entry of a pop-up list: the name it inserts and what is known about it. */
struct ListEntry {
    QString name;
    QString description;
    /** The engine's default; empty when unknown. */
    QString defaultValue;

    bool operator==(const ListEntry &) const = default;
};

/**
 * The indexes of the entries to show while @p typed is in the search box, in the order
 * shown: first the entries whose name begins with @p typed (any letter case), in list order;
 * then, in list order, the other entries where every blank-separated word of @p typed is
 * part of the name or begins a word of the description. Every entry when @p typed is empty.
 */
QList<int> matchingEntries(const QList<ListEntry> &entries, const QString &typed);

} // namespace lists
