#include "ListSearch.h"

#include "lists/EntryDelegate.h"
#include "lists/ListFile.h"
#include "platform/Dialogs.h"

#include <algorithm>

#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

namespace lists {

namespace {

constexpr int TwipsPerPixel = 15;
constexpr int DesignWidthTwips = 1935;
constexpr int DesignHeightTwips = 1695;

/** Keeps the list from painting while it is refilled, whatever way the fill ends. */
class PaintFreeze {
public:
    explicit PaintFreeze(QWidget *widget) : m_widget(widget) { m_widget->setUpdatesEnabled(false); }
    ~PaintFreeze() { m_widget->setUpdatesEnabled(true); }
    PaintFreeze(const PaintFreeze &) = delete;
    PaintFreeze &operator=(const PaintFreeze &) = delete;

private:
    QWidget *m_widget;
};

bool isEnterKey(int key) { return key == Qt::Key_Return || key == Qt::Key_Enter; }

/**
 * The width of the widest of @p texts. Measuring thousands of texts would hold up every
 * pop-up by a tenth of a second, and the widest text is among those with the most
 * characters, so only those are measured.
 */
int widestOf(const QFontMetrics &metrics, QStringList texts)
{
    constexpr int kMeasured = 16;
    const auto longer = [](const QString &a, const QString &b) { return a.size() > b.size(); };
    if (texts.size() > kMeasured) {
        std::partial_sort(texts.begin(), texts.begin() + kMeasured, texts.end(), longer);
        texts.resize(kMeasured);
    }
    int widest = 0;
    for (const QString &text : std::as_const(texts))
        widest = std::max(widest, metrics.horizontalAdvance(text));
    return widest;
}

/** What the list shows beside an entry's name. */
QString detailOf(const ListEntry &entry)
{
    if (entry.defaultValue.isEmpty())
        return entry.description;
    const QString defaultText = QStringLiteral("(default %1)").arg(entry.defaultValue);
    return entry.description.isEmpty() ? defaultText : entry.description + u' ' + defaultText;
}

} // namespace

ListSearch::ListSearch(QWidget *parent)
    : QFrame(parent), m_search(new QLineEdit(this)), m_list(new QListWidget(this)),
      m_delegate(new EntryDelegate(this))
{
    // A raised double border, like a dialog frame, so the pop-up stands out from the text.
    setFrameStyle(QFrame::WinPanel | QFrame::Raised);

    QFont font(QStringLiteral("Tahoma"), 8);
    font.setStyleHint(QFont::SansSerif);

    m_search->setObjectName(QStringLiteral("txtSearch"));
    m_search->setFont(font);
    m_list->setObjectName(QStringLiteral("lstMain"));
    m_list->setFont(font);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setUniformItemSizes(true);
    m_list->setItemDelegate(m_delegate);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(1);
    layout->addWidget(m_search);
    layout->addWidget(m_list, 1);

    // The host focuses the control itself; the typing belongs in the search box.
    setFocusProxy(m_search);

    m_search->installEventFilter(this);
    m_list->installEventFilter(this);
    connect(m_list, &QListWidget::itemDoubleClicked, this, &ListSearch::listItemDoubleClicked);
    connect(m_search, &QLineEdit::textChanged, this, [this](const QString &typed) {
        showMatches(typed, typed.isEmpty() ? selectedEntry() : QString());
    });

    resize(sizeHint());
}

QSize ListSearch::sizeHint() const
{
    return {DesignWidthTwips / TwipsPerPixel, DesignHeightTwips / TwipsPerPixel};
}

int ListSearch::FillWithTags(const QString &fileName, bool uppercase)
{
    const ListFile file = readListFile(fileName, uppercase);
    if (!file.error.isEmpty()) {
        m_entries.clear();
        m_list->clear();
        platform::messageBox(file.error, platform::Buttons::Ok, platform::Icon::Exclamation,
                             file.errorTitle);
        return 0;
    }
    setEntries(file.entries);
    return 1;
}

void ListSearch::setEntryFont(const QFont &font)
{
    if (font == m_list->font())
        return;
    m_search->setFont(font);
    m_list->setFont(font);
    measureRows();
}

void ListSearch::setEntries(const QList<ListEntry> &entries)
{
    // A list pops up filled from the same file again and again: measure only what changed.
    if (entries != m_entries) {
        m_entries = entries;
        measureRows();
    }
    m_showsAll = false;
    showMatches(m_search->text());
}

void ListSearch::measureRows()
{
    QStringList names;
    QStringList details;
    for (const ListEntry &entry : std::as_const(m_entries)) {
        names << entry.name;
        details << detailOf(entry);
    }
    const QFontMetrics metrics(m_list->font());
    const int nameWidth = widestOf(metrics, names);
    const int detailWidth = widestOf(metrics, details);
    const int textMargins = 2 * (m_list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1);
    const int rows = detailWidth > 0 ? nameWidth + EntryDelegate::Gap + detailWidth : nameWidth;
    m_rowsWidth = rows + 2 * textMargins + 2 * frameWidth() + 2 * m_list->frameWidth() +
                  m_list->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
}

void ListSearch::showMatches(const QString &typed, const QString &keep)
{
    if (typed.isEmpty() && m_showsAll)
        return;
    const QList<int> rows = matchingEntries(m_entries, typed);
    // Text that finds nothing leaves the list and its selection as they were, so a typo
    // doesn't lose the place; Enter still takes the typed text.
    if (rows.isEmpty() && !typed.isEmpty())
        return;
    {
        PaintFreeze freeze(m_list);
        m_list->clear();
        // The descriptions begin after the longest name shown, so a short list of matches
        // leaves them the room.
        QStringList shownNames;
        bool anyDetail = false;
        for (const int row : rows) {
            shownNames << m_entries[row].name;
            auto *item = new QListWidgetItem(m_entries[row].name, m_list);
            const QString detail = detailOf(m_entries[row]);
            if (!detail.isEmpty()) {
                anyDetail = true;
                item->setData(EntryDelegate::DetailRole, detail);
                item->setToolTip(detail);
            }
        }
        m_delegate->setNameColumnWidth(
            anyDetail ? widestOf(QFontMetrics(m_list->font()), shownNames) + EntryDelegate::Gap : 0);
    }
    m_showsAll = typed.isEmpty();
    if (!typed.isEmpty() && m_list->count() > 0) {
        selectEntry(0);
    } else if (!keep.isEmpty()) {
        const QList<QListWidgetItem *> kept = m_list->findItems(keep, Qt::MatchExactly);
        if (!kept.isEmpty())
            selectEntry(m_list->row(kept.first()));
    }
}

bool ListSearch::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_search) {
        switch (event->type()) {
        case QEvent::KeyPress:
            return searchKeyPressed(static_cast<QKeyEvent *>(event));
        case QEvent::KeyRelease:
            return searchKeyReleased(static_cast<QKeyEvent *>(event));
        case QEvent::FocusOut:
            m_keysDownInSearch.clear();
            break;
        default:
            break;
        }
    } else if (watched == m_list && event->type() == QEvent::KeyPress) {
        return listKeyPressed(static_cast<QKeyEvent *>(event));
    }
    return QFrame::eventFilter(watched, event);
}

bool ListSearch::searchKeyPressed(QKeyEvent *event)
{
    const int key = event->key();
    const bool plainTab =
        key == Qt::Key_Tab &&
        !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    if (plainTab) {
        // Tab would move the focus on; here it accepts the selected entry.
        finish(selectedEntry());
        return true;
    }

    if (!event->isAutoRepeat())
        m_keysDownInSearch.insert(key);

    if (key == Qt::Key_Down) {
        m_list->setFocus(Qt::TabFocusReason);
        return true;
    }
    // Enter and Escape act when released; keep their presses from reaching a parent
    // (a dialog's default button, for one).
    return isEnterKey(key) || key == Qt::Key_Escape;
}

// Acting on the release means the search sees the text as the key left it.
bool ListSearch::searchKeyReleased(QKeyEvent *event)
{
    if (event->isAutoRepeat())
        return false;
    const int key = event->key();
    if (!m_keysDownInSearch.remove(key))
        return false;

    const QString text = m_search->text();
    if (isEnterKey(key)) {
        finish(text);
        return true;
    }
    if (key == Qt::Key_Escape) {
        cancel();
        return true;
    }
    if (key == Qt::Key_Space) {
        if (text.trimmed().isEmpty()) {
            cancel();
            return true;
        }
        const int row = findPrefix(text);
        if (row < 0)
            finish(text);
        else
            selectEntry(row);
        return true;
    }
    // An emptied box keeps the selection rather than jumping to the first entry.
    if (!text.isEmpty()) {
        const int row = findPrefix(text);
        if (row >= 0)
            selectEntry(row);
    }
    return false;
}

bool ListSearch::listKeyPressed(QKeyEvent *event)
{
    if (isEnterKey(event->key())) {
        finish(selectedEntry());
        return true;
    }
    if (event->key() == Qt::Key_Escape) {
        cancel();
        return true;
    }
    if (event->text() == QStringLiteral("(")) {
        m_search->setText(selectedEntry());
        return true;
    }
    return false;
}

void ListSearch::listItemDoubleClicked(QListWidgetItem *item)
{
    if (item && !item->isSelected())
        m_list->setCurrentItem(item, QItemSelectionModel::ClearAndSelect);
    finish(selectedEntry());
}

QString ListSearch::selectedEntry() const
{
    const QList<QListWidgetItem *> items = m_list->selectedItems();
    return items.isEmpty() ? QString() : items.first()->text();
}

int ListSearch::findPrefix(const QString &prefix) const
{
    const int count = m_list->count();
    for (int row = 0; row < count; ++row) {
        if (m_list->item(row)->text().startsWith(prefix, Qt::CaseInsensitive))
            return row;
    }
    return -1;
}

void ListSearch::selectEntry(int row)
{
    m_list->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
    m_list->scrollToItem(m_list->item(row), QAbstractItemView::PositionAtTop);
}

void ListSearch::finish(const QString &item)
{
    emit Done(item);
    m_search->clear();
}

void ListSearch::cancel()
{
    emit Escape();
    m_search->clear();
}

void ListSearch::hideEvent(QHideEvent *event)
{
    QFrame::hideEvent(event);
    emit hidden();
}

} // namespace lists
