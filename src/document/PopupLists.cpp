#include "document/PopupLists.h"

#include "analysis/EngineProfiles.h"
#include "core/Mods.h"
#include "document/DiagnosticsController.h"
#include "document/DocumentDiagnostics.h"
#include "document/HoverHelp.h"
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

PopupLists::PopupLists(frmChild *window) : QObject(window), m_window(window)
{
    const struct {
        ListSearch **list;
        const char *name;
        QSize size;
    } lists[] = {
        {&m_binds, "lsBinds", kBindsSize},
        {&m_cvars, "lsCVars", kCVarsSize},
        {&m_keys, "lsKeys", kKeysSize},
        {&m_special, "lsSpecial", kSpecialSize},
    };
    for (const auto &entry : lists) {
        auto *list = new ListSearch(window);
        list->setObjectName(QLatin1String(entry.name));
        list->resize(entry.size);
        list->hide();
        connect(list, &ListSearch::Done, this, [this, list](const QString &item) {
            editor()->setSelText(item);
            close(list);
        });
        connect(list, &ListSearch::Escape, this, [this, list] { close(list); });
        *entry.list = list;
    }
}

platform::RichEdit *PopupLists::editor() const { return m_window->editor(); }

void PopupLists::showBinds()
{
    popUp(m_binds, gameListFile(GameList::Binds, m_window->game()), kBindsSize);
}

void PopupLists::showKeys()
{
    popUp(m_keys, gameListFile(GameList::Keys, m_window->game()), kKeysSize);
}

void PopupLists::showCVars()
{
    popUp(m_cvars, gameListFile(GameList::CVars, m_window->game()), kCVarsSize);
}

void PopupLists::showSpecial(const QString &fileName)
{
    m_specialListFile = specialListFile(fileName);
    popUp(m_special, m_specialListFile, kSpecialSize);
}

void PopupLists::placeAtCaret(ListSearch *list)
{
    const QPoint caret = editor()->viewport()->mapTo(m_window, editor()->cursorRect().topLeft());
    // The font size in points is added as a number of twips.
    const double fontTwips = editor()->font().pointSizeF();
    int left = caret.x() + int(fontTwips / 15.0);
    int top = caret.y() + int(2 * fontTwips / 15.0);
    if (left + list->width() > m_window->width())
        left = std::max(0, caret.x() - list->width());
    if (top + list->height() > m_window->height())
        top = std::max(0, caret.y() - list->height());
    list->move(left, top);
}

void PopupLists::popUp(ListSearch *list, const QString &file, QSize size)
{
    if (m_window->isUnloaded())
        return;
    list->setEntryFont(editor()->font());
    // A game without lists shows whatever the list held before.
    if (!file.isEmpty() && list->FillWithTags(file, false) == 0)
        return;
    reportNameProblems(lists::nameFileFor(file));
    // Wide enough for the longest row, but no wider than the room on the roomier side of the
    // caret (the list opens beside it) or the screen; never narrower than it was designed.
    const QPoint caret = editor()->viewport()->mapTo(m_window, editor()->cursorRect().topLeft());
    const int room =
        std::max(m_window->width() - caret.x() - int(editor()->font().pointSizeF() / 15.0), caret.x());
    const int widest = std::min(room, m_window->screen()->availableGeometry().width());
    list->resize(std::max(size.width(), std::min(list->rowsWidth(), widest)), size.height());
    placeAtCaret(list);
    setEditorTabStop(false);
    list->show();
    list->raise();
    list->setFocus(Qt::PopupFocusReason);
}

void PopupLists::setEditorTabStop(bool tabStop)
{
    editor()->setFocusPolicy(tabStop ? Qt::StrongFocus : Qt::ClickFocus);
}

void PopupLists::close(ListSearch *list)
{
    list->hide();
    m_window->focusEditor();
    setEditorTabStop(true);
}

void PopupLists::reportNameProblems(const QString &nameFile)
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
    m_window->statusBar()->showMessage(QStringLiteral("Skipped ") + text, 30000);
}

bool PopupLists::showHoverHelp(const QHelpEvent *help)
{
    const QString text = editor()->toPlainText();
    const TextSpan word = wordAt(text, editor()->cursorForPosition(help->pos()).position());
    if (word.isEmpty())
        return false;
    // The mouse must rest on the word itself, not on the blank beyond the end of its line.
    QTextCursor edge(editor()->document());
    edge.setPosition(word.begin);
    const QRect first = editor()->cursorRect(edge);
    edge.setPosition(word.end);
    const QRect last = editor()->cursorRect(edge);
    if (help->pos().x() < first.left() || help->pos().x() > last.right() ||
        help->pos().y() < first.top() || help->pos().y() > last.bottom())
        return false;

    const QString name = text.mid(word.begin, word.end - word.begin);
    const auto *diagnostics = DocumentDiagnostics::of(m_window);
    const analysis::EngineProfile *profile =
        diagnostics && diagnostics->controller()->profile()
            ? diagnostics->controller()->profile()
            : analysis::engineProfile(m_window->game() == core::Game::Quake3 ? QStringLiteral("q3")
                                                                  : QStringLiteral("q2"));
    const core::Mod *mod = m_window->mod();
    const struct {
        QString listFile;
        bool isCVars;
        bool isKeys;
    } sources[] = {
        {gameListFile(GameList::CVars, m_window->game()), true, false},
        {gameListFile(GameList::Binds, m_window->game()), false, false},
        {gameListFile(GameList::Keys, m_window->game()), false, true},
        {mod && !mod->viewFile.isEmpty() ? specialListFile(mod->viewFile.toString()) : QString(),
         false, false},
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
        QToolTip::showText(help->globalPos(), hoverText(*info, set, bound), editor()->viewport(),
                           QRect(first.topLeft(), last.bottomRight()));
        return true;
    }
    return false;
}

} // namespace document
