// The four reference lists of a document window: filled for the document's game each
// time they pop up at the caret, and writing the picked entry into the script.
#include "analysis/EngineProfiles.h"
#include "document/DiagnosticsController.h"
#include "document/DocumentDiagnostics.h"
#include "document/Documents.h"
#include "document/HoverHelp.h"
#include "document/Insertion.h"
#include "document/frmChild.h"
#include "lists/ListSearch.h"
#include "lists/NameInfo.h"
#include "platform/AppPaths.h"
#include "platform/RichEdit.h"

#include <QFileInfo>
#include <QHelpEvent>
#include <QScreen>
#include <QStatusBar>
#include <QToolTip>
#include <algorithm>

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

void frmChild::ShowBindsList()
{
    popUp(m_lsBinds, gameListFile(GameList::Binds, game()), kBindsSize);
}

void frmChild::ShowKeysList()
{
    popUp(m_lsKeys, gameListFile(GameList::Keys, game()), kKeysSize);
}

void frmChild::ShowCVarsList()
{
    popUp(m_lsCVars, gameListFile(GameList::CVars, game()), kCVarsSize);
}

void frmChild::ShowSpecialList(const QString &fileName)
{
    m_specialListFile = specialListFile(fileName);
    popUp(m_lsSpecial, m_specialListFile, kSpecialSize);
}

void frmChild::PlaceListAtCaret(ListSearch *list)
{
    const QPoint caret = m_editor->viewport()->mapTo(this, m_editor->cursorRect().topLeft());
    // The font size in points is added as a number of twips.
    const double fontTwips = m_editor->font().pointSizeF();
    int left = caret.x() + int(fontTwips / 15.0);
    int top = caret.y() + int(2 * fontTwips / 15.0);
    if (left + list->width() > width())
        left = std::max(0, caret.x() - list->width());
    if (top + list->height() > height())
        top = std::max(0, caret.y() - list->height());
    list->move(left, top);
}

void frmChild::popUp(ListSearch *list, const QString &file, QSize size)
{
    if (m_unloaded)
        return;
    list->setEntryFont(m_editor->font());
    // A game without lists shows whatever the list held before.
    if (!file.isEmpty() && list->FillWithTags(file, false) == 0)
        return;
    reportNameProblems(lists::nameFileFor(file));
    // Wide enough for the longest row, but no wider than the room on the roomier side of the
    // caret (the list opens beside it) or the screen; never narrower than it was designed.
    const QPoint caret = m_editor->viewport()->mapTo(this, m_editor->cursorRect().topLeft());
    const int room =
        std::max(width() - caret.x() - int(m_editor->font().pointSizeF() / 15.0), caret.x());
    const int widest = std::min(room, screen()->availableGeometry().width());
    list->resize(std::max(size.width(), std::min(list->rowsWidth(), widest)), size.height());
    PlaceListAtCaret(list);
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

void frmChild::reportNameProblems(const QString &nameFile)
{
    // Once per file and run, in the status bar, so typing goes on undisturbed; every line
    // goes to the log.
    const QStringList problems = lists::takeUnreportedProblems(nameFile);
    if (problems.isEmpty())
        return;
    // A binary file would be malformed on every line: the log gets the first few.
    constexpr int kLogged = 20;
    for (const QString &problem : problems.mid(0, kLogged))
        qWarning().noquote() << problem;
    if (problems.size() > kLogged)
        qWarning().noquote() << nameFile << "has" << problems.size() - kLogged
                             << "more malformed lines";
    QString text = problems.first();
    if (text.startsWith(nameFile))
        text.replace(0, nameFile.size(), QFileInfo(nameFile).fileName());
    if (problems.size() > 1)
        text += QStringLiteral(" (and %1 more)").arg(problems.size() - 1);
    m_statusBar->showMessage(QStringLiteral("Skipped ") + text, 30000);
}

bool frmChild::showHoverHelp(const QHelpEvent *help)
{
    const QString text = m_editor->toPlainText();
    const TextSpan word = wordAt(text, m_editor->cursorForPosition(help->pos()).position());
    if (word.isEmpty())
        return false;
    // The mouse must rest on the word itself, not on the blank beyond the end of its line.
    QTextCursor edge(m_editor->document());
    edge.setPosition(word.begin);
    const QRect first = m_editor->cursorRect(edge);
    edge.setPosition(word.end);
    const QRect last = m_editor->cursorRect(edge);
    if (help->pos().x() < first.left() || help->pos().x() > last.right() ||
        help->pos().y() < first.top() || help->pos().y() > last.bottom())
        return false;

    const QString name = text.mid(word.begin, word.end - word.begin);
    const auto *diagnostics = DocumentDiagnostics::of(this);
    const analysis::EngineProfile *profile =
        diagnostics && diagnostics->controller()->profile()
            ? diagnostics->controller()->profile()
            : analysis::engineProfile(game() == core::Game::Quake3 ? QStringLiteral("q3")
                                                                  : QStringLiteral("q2"));
    const struct {
        QString listFile;
        bool isCVars;
        bool isKeys;
    } sources[] = {
        {gameListFile(GameList::CVars, game()), true, false},
        {gameListFile(GameList::Binds, game()), false, false},
        {gameListFile(GameList::Keys, game()), false, true},
        {m_specialListFile, false, false},
    };
    for (const auto &source : sources) {
        const QString nameFile = lists::nameFileFor(source.listFile);
        if (nameFile.isEmpty())
            continue;
        reportNameProblems(nameFile);
        const lists::NameInfo *info = lists::cachedNameTable(nameFile).find(name);
        if (!info || !profile)
            continue;
        const ValueInText set = valueSetIn(text, name, *profile, source.isCVars);
        const ValueInText bound = source.isKeys ? bindingIn(text, name, *profile) : ValueInText();
        QToolTip::showText(help->globalPos(), hoverText(*info, set, bound), m_editor->viewport(),
                           QRect(first.topLeft(), last.bottomRight()));
        return true;
    }
    return false;
}

void frmChild::HighlightBeforeCaret(int back, int length, const QColor &color)
{
    document::HighlightBeforeCaret(m_editor, back, length, color);
}

} // namespace document
