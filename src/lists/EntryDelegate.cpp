#include "EntryDelegate.h"

#include <QApplication>
#include <QPainter>

#include <algorithm>

void EntryDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const
{
    const QString detail = index.data(DetailRole).toString();
    if (m_nameColumn <= 0) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    QStyleOptionViewItem look = option;
    initStyleOption(&look, index);
    const QString name = look.text;
    look.text.clear();
    const QStyle *style = look.widget ? look.widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &look, painter, look.widget);

    // The style leaves this margin on each side of an item's text; so do the columns.
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, look.widget) + 1;
    const QRect text = style->subElementRect(QStyle::SE_ItemViewItemText, &look, look.widget)
                           .adjusted(margin, 0, -margin, 0);
    // A very long name leaves the description some room.
    const int nameColumn = std::min(m_nameColumn, text.width() * 3 / 5);
    const bool selected = look.state & QStyle::State_Selected;
    QColor ink = look.palette.color(selected ? QPalette::HighlightedText : QPalette::Text);
    const QFontMetrics metrics(look.font);
    painter->save();
    painter->setFont(look.font);
    painter->setPen(ink);
    // Half the gap is slack for the rounding of measured widths.
    const QRect nameRect(text.left(), text.top(),
                         detail.isEmpty() ? text.width() : nameColumn - Gap / 2, text.height());
    painter->drawText(nameRect, Qt::AlignLeft | Qt::AlignVCenter,
                      metrics.elidedText(name, Qt::ElideRight, nameRect.width()));
    if (detail.isEmpty()) {
        painter->restore();
        return;
    }
    // Dimmed, so the names stay what the eye finds first.
    ink.setAlpha(selected ? 200 : 140);
    painter->setPen(ink);
    const QRect detailRect = text.adjusted(nameColumn, 0, 0, 0);
    painter->drawText(detailRect, Qt::AlignLeft | Qt::AlignVCenter,
                      metrics.elidedText(detail, Qt::ElideRight, detailRect.width()));
    painter->restore();
}
