// The four reference lists of a document window: filled for the document's game each
// time they pop up at the caret, and writing the picked entry into the script.
#include "document/Documents.h"
#include "document/Insertion.h"
#include "document/frmChild.h"
#include "lists/ListSearch.h"
#include "platform/AppPaths.h"
#include "platform/RichEdit.h"

namespace document {

namespace {

enum class GameList { Binds, Keys, CVars };

struct GameListFiles {
    GameList list;
    const char *quake2;
    const char *quake3;
};

const GameListFiles kGameListFiles[] = {
    {GameList::Binds, "Quake2/q2binds.txt", "Quake3/q3binds.txt"},
    {GameList::Keys, "Quake2/q2keys.txt", "Quake3/q3keys.txt"},
    {GameList::CVars, "Quake2/q2cvars.txt", "Quake3/q3cvars.txt"},
};

// Sizes in twips (15 to the pixel): actions, keys, cvars, mod commands.
constexpr QSize kBindsSize(1335 / 15, 2295 / 15);
constexpr QSize kKeysSize(1455 / 15, 2295 / 15);
constexpr QSize kCVarsSize(1815 / 15, 2295 / 15);
constexpr QSize kSpecialSize(2535 / 15, 2295 / 15);

/** The file of a game list for a game; empty when that game has no lists. */
QString gameListFile(GameList list, core::Game game)
{
    for (const GameListFiles &row : kGameListFiles) {
        if (row.list != list)
            continue;
        if (game == core::Game::Quake2 || game == core::Game::Blank)
            return platform::configsFolder() + QLatin1Char('/') + QLatin1String(row.quake2);
        if (game == core::Game::Quake3)
            return platform::configsFolder() + QLatin1Char('/') + QLatin1String(row.quake3);
    }
    return QString();
}

} // namespace

QString specialListFile(const QString &fileName)
{
    QString relative = fileName;
    relative.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (!relative.startsWith(QLatin1Char('/')))
        relative.prepend(QLatin1Char('/'));
    return platform::configsFolder() + relative;
}

void frmChild::createLists()
{
    const struct {
        ListSearch **list;
        const char *name;
        QSize size;
    } lists[] = {
        {&m_lsBinds, "lsBinds", kBindsSize},
        {&m_lsCVars, "lsCVars", kCVarsSize},
        {&m_lsKeys, "lsKeys", kKeysSize},
        {&m_lsSpecial, "lsSpecial", kSpecialSize},
    };
    for (const auto &entry : lists) {
        auto *list = new ListSearch(this);
        list->setObjectName(QLatin1String(entry.name));
        list->resize(entry.size);
        list->hide();
        connect(list, &ListSearch::Done, this, [this, list](const QString &item) { listDone(list, item); });
        connect(list, &ListSearch::Escape, this, [this, list] { listEscape(list); });
        *entry.list = list;
    }
}

core::Game frmChild::game() const
{
    if (m_tag >= 1 && m_tag <= m_documents->slotCount())
        return m_documents->slot(m_tag).Game;
    return core::Game::Quake2;
}

void frmChild::ShowBindsList() { popUp(m_lsBinds, gameListFile(GameList::Binds, game())); }

void frmChild::ShowKeysList() { popUp(m_lsKeys, gameListFile(GameList::Keys, game())); }

void frmChild::ShowCVarsList() { popUp(m_lsCVars, gameListFile(GameList::CVars, game())); }

void frmChild::ShowSpecialList(const QString &fileName) { popUp(m_lsSpecial, specialListFile(fileName)); }

void frmChild::PlaceListAtCaret(ListSearch *list)
{
    const QPoint caret = m_editor->viewport()->mapTo(this, m_editor->cursorRect().topLeft());
    // The font size in points is added as a number of twips.
    const double fontTwips = m_editor->font().pointSizeF();
    int left = caret.x() + int(fontTwips / 15.0);
    int top = caret.y() + int(2 * fontTwips / 15.0);
    if (left + list->width() > width())
        left = caret.x() - list->width();
    if (top + list->height() > height())
        top = caret.y() - list->height();
    list->move(left, top);
}

void frmChild::popUp(ListSearch *list, const QString &file)
{
    if (m_unloaded)
        return;
    PlaceListAtCaret(list);
    // A game without lists shows whatever the list held before.
    if (!file.isEmpty() && list->FillWithTags(file, false) == 0)
        return;
    setEditorTabStop(false);
    list->show();
    list->raise();
    list->setFocus(Qt::PopupFocusReason);
}

void frmChild::setEditorTabStop(bool tabStop)
{
    m_editor->setFocusPolicy(tabStop ? Qt::StrongFocus : Qt::ClickFocus);
}

void frmChild::listDone(ListSearch *list, const QString &item)
{
    m_editor->setSelText(item);
    list->hide();
    focusEditor();
    setEditorTabStop(true);
}

void frmChild::listEscape(ListSearch *list)
{
    list->hide();
    focusEditor();
    setEditorTabStop(true);
}

bool frmChild::waitForListHidden(ListSearch *list)
{
    return waitUntil(list, &ListSearch::hidden, [list] { return !list->isVisible(); });
}

void frmChild::HighlightBeforeCaret(int back, int length, const QColor &color)
{
    document::HighlightBeforeCaret(m_editor, back, length, color);
}

} // namespace document
