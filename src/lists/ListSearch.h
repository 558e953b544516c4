#pragma once

#include "lists/ListFile.h"

#include <QFrame>
#include <QSet>
#include <QString>

class EntryDelegate;
class QLineEdit;
class QListWidget;
class QListWidgetItem;

namespace lists {

/**
 * A search box above a list: typing the first letters of an entry selects the first
 * entry that begins with them. The list shows what the box finds (see
 * matchingEntries; text that finds nothing leaves the list as it was), each entry with its
 * description and default, when known, dimmed beside the name. Enter, Tab or a double click hands
 * the chosen text to the host through Done; Escape cancels through Escape. The host positions,
 * shows, hides and focuses the control; the control never hides itself.
 *
 * Children: "txtSearch" (QLineEdit) and "lstMain" (QListWidget).
 */
class ListSearch : public QFrame {
    Q_OBJECT
    Q_CLASSINFO("ProgId", "Tessel.ListSearch")

public:
    static constexpr qint64 MaxFileBytes = MaxListFileBytes;
    static constexpr int MaxEntries = MaxListEntries;

    explicit ListSearch(QWidget *parent = nullptr);

    /**
     * Replaces the entries with those of the list file @p fileName (see readListFile).
     * Returns 1 on success; on failure shows an error message box and returns 0, leaving
     * the list empty.
     */
    int FillWithTags(const QString &fileName, bool uppercase = false);
    void setEntries(const QList<ListEntry> &entries);

    QSize sizeHint() const override;

    /** The width that shows the longest entry whole, with its description and default. */
    int rowsWidth() const { return m_rowsWidth; }
    /** Shows the search box and the entries in @p font. */
    void setEntryFont(const QFont &font);

signals:
    /** The user accepted an entry of the list or a typed text. */
    void Done(const QString &item);
    /** The user cancelled. */
    void Escape();
    /** The host hid the control. */
    void hidden();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    bool searchKeyPressed(QKeyEvent *event);
    bool searchKeyReleased(QKeyEvent *event);
    bool listKeyPressed(QKeyEvent *event);
    void listItemDoubleClicked(QListWidgetItem *item);

    QString selectedEntry() const;
    /** Index of the first entry beginning with @p prefix in any letter case, or -1. */
    int findPrefix(const QString &prefix) const;
    void selectEntry(int row);
    void finish(const QString &item);
    void cancel();
    /** Shows the entries @p typed finds; @p keep stays selected when still shown. */
    void showMatches(const QString &typed, const QString &keep = QString());
    void measureRows();

    QLineEdit *m_search;
    QListWidget *m_list;
    EntryDelegate *m_delegate;
    QList<ListEntry> m_entries;
    int m_rowsWidth = 0;
    // Every entry is shown: an empty box needn't refill the list.
    bool m_showsAll = false;
    // Keys whose press the search box received; a release acts only on those, so the
    // release of a key pressed elsewhere (say the Space that popped the list up) is ignored.
    QSet<int> m_keysDownInSearch;
};

} // namespace lists
