#include "document/VBKeyWord.h"

namespace document {

VBKeyWord::VBKeyWord()
{
    for (const char *keyword : {"bind", "set", "alias", "vstr", "seta", "setu", "//EOF"})
        Add(QString::fromLatin1(keyword), QString::fromLatin1(keyword));
}

int VBKeyWord::indexOfKey(const QString &key) const
{
    for (qsizetype i = 0; i < m_items.size(); ++i)
        if (!m_items[i].key.isNull() && m_items[i].key.compare(key, Qt::CaseInsensitive) == 0)
            return int(i);
    return -1;
}

void VBKeyWord::Add(const QVariant &item, const QString &key, int before, int after)
{
    if (!key.isNull() && indexOfKey(key) >= 0)
        return;
    qsizetype at = m_items.size();
    if (before >= 1 && before <= Count())
        at = before - 1;
    else if (after >= 1 && after <= Count())
        at = after;
    else if (before != 0 || after != 0)
        return;
    m_items.insert(at, Entry{key, item});
}

void VBKeyWord::RemoveKey(const QString &key)
{
    const int index = indexOfKey(key);
    if (index >= 0)
        m_items.removeAt(index);
}

void VBKeyWord::Remove(const QVariant &indexOrKey)
{
    if (indexOrKey.typeId() == QMetaType::QString)
        RemoveKey(indexOrKey.toString());
    else
        RemoveIndex(indexOrKey.toInt());
}

void VBKeyWord::RemoveIndex(int index)
{
    if (index >= 1 && index <= Count())
        m_items.removeAt(index - 1);
}

void VBKeyWord::RemoveAll() { m_items.clear(); }

QVariant VBKeyWord::Item(const QVariant &indexOrKey) const
{
    if (indexOrKey.typeId() == QMetaType::QString) {
        const int index = indexOfKey(indexOrKey.toString());
        return index >= 0 ? m_items[index].item : QVariant();
    }
    const int index = indexOrKey.toInt();
    return IfItemIsThere(index) ? m_items[index - 1].item : QVariant();
}

bool VBKeyWord::IfItemIsThere(int index) const { return index >= 1 && index <= Count(); }

bool VBKeyWord::IfKeyIsThere(const QString &key) const { return indexOfKey(key) >= 0; }

} // namespace document
