#pragma once

#include <QList>
#include <QString>
#include <QVariant>

namespace document {

/**
 * A document's keyword table: a keyed collection whose key lookup ignores letter case.
 * It starts with the keywords in the form the editor writes them back: "bind", "set",
 * "alias", "vstr", "seta", "setu", "//EOF". Indexes are 1-based; no operation fails
 * loudly.
 */
class VBKeyWord {
public:
    VBKeyWord();

    /** Adds @p item under @p key; a duplicate key is ignored. @p before / @p after are 1-based. */
    void Add(const QVariant &item, const QString &key = QString(), int before = 0, int after = 0);
    void RemoveKey(const QString &key);
    /** Removes by index (a number) or by key (text). */
    void Remove(const QVariant &indexOrKey);
    void RemoveIndex(int index);
    void RemoveAll();
    int Count() const { return int(m_items.size()); }
    /** The item at an index (a number) or under a key (text); an empty value when none. */
    QVariant Item(const QVariant &indexOrKey) const;
    bool IfItemIsThere(int index) const;
    bool IfKeyIsThere(const QString &key) const;
    QString DelimStringDataError() const { return m_delimiter; }
    void setDelimStringDataError(const QString &delimiter) { m_delimiter = delimiter; }

private:
    struct Entry {
        QString key;
        QVariant item;
    };
    int indexOfKey(const QString &key) const;

    QList<Entry> m_items;
    QString m_delimiter = QStringLiteral(",");
};

} // namespace document
