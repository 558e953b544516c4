#pragma once

#include <QStyledItemDelegate>

/**
 * Paints a row of a pop-up list as two columns: the entry's name, then, dimmed, what is
 * known about it (the item's DetailRole text); each is cut with "..." when it doesn't fit.
 */
class EntryDelegate : public QStyledItemDelegate {
public:
    static constexpr int DetailRole = Qt::UserRole + 1;
    /** Room between the name column and the detail. */
    static constexpr int Gap = 12;

    using QStyledItemDelegate::QStyledItemDelegate;

    /** Where the detail column begins, from the row's left edge (0: rows without detail). */
    void setNameColumnWidth(int width) { m_nameColumn = width; }
    int nameColumnWidth() const { return m_nameColumn; }

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;

private:
    int m_nameColumn = 0;
};
