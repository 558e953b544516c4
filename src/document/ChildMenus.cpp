// The document window's menu bar, built from one table.
#include "document/ContextHelp.h"
#include "document/DocumentCommands.h"
#include "document/DocumentHost.h"
#include "document/Documents.h"
#include "document/FindBar.h"
#include "document/frmChild.h"
#include "platform/RichEdit.h"

#include <QMdiSubWindow>
#include <QMenu>

namespace document {

namespace {

enum class Row {
    Menu,
    Item,
    Separator,
    Slots, // kOtherSlots items named after the row and their slot number
};

enum Flags : unsigned { None = 0, Disabled = 1, Checked = 2 };

struct MenuRow {
    Row kind;
    const char *parent; // nullptr: a menu of the menu bar
    const char *name;
    const char *caption;
    const char *shortcut; // alternatives separated by "; "
    unsigned flags;
    std::optional<DocumentCommand> command = std::nullopt; // none: the window's own
};

using enum DocumentCommand;

const MenuRow kChildMenuRows[] = {
    {Row::Menu, nullptr, "mnuChildFile", "&File", "", None},
    {Row::Item, "mnuChildFile", "mnuChildFileNew", "&New", "Ctrl+N", None, New},
    {Row::Item, "mnuChildFile", "mnuChildFileOpen", "&Open", "Ctrl+O", None, Open},
    {Row::Item, "mnuChildFile", "mnuChildFileClose", "&Close", "", None},
    {Row::Item, "mnuChildFile", "mnuChildFileSave", "&Save", "", None},
    {Row::Item, "mnuChildFile", "mnuChildFileSaveAs", "Sa&ve As", "", None},
    {Row::Item, "mnuChildFile", "mnuFileGameMod", "Game and &Mod...", "", None, GameAndMod},
    {Row::Menu, "mnuChildFile", "mnuFileRecent", "Recent &Files", "", None, RecentFiles},
    {Row::Separator, "mnuChildFile", "sep1", "-", "", None},
    {Row::Item, "mnuChildFile", "mnuExit", "E&xit", "", None, Exit},

    {Row::Menu, nullptr, "mnuEdit", "&Edit", "", None},
    {Row::Item, "mnuEdit", "mnuEditUndo", "Undo", "Ctrl+Z", Disabled},
    {Row::Item, "mnuEdit", "mnuEditRedo", "Redo", "Ctrl+Y; Ctrl+Shift+Z", Disabled},
    {Row::Separator, "mnuEdit", "mnuEditSep1", "-", "", None},
    {Row::Item, "mnuEdit", "mnuEditCut", "Cut", "Ctrl+X", None},
    {Row::Item, "mnuEdit", "mnuEditCopy", "Copy", "Ctrl+C", None},
    {Row::Item, "mnuEdit", "mnuEditPaste", "Paste", "Ctrl+V", None},
    {Row::Separator, "mnuEdit", "mnuEditSep2", "-", "", None},
    {Row::Item, "mnuEdit", "mnuEditSelectAll", "Select All", "Ctrl+A", None},
    {Row::Separator, "mnuEdit", "mnuEditSep3", "-", "", None},
    {Row::Item, "mnuEdit", "mnuEditFind", "Find", "Ctrl+F", None},
    {Row::Item, "mnuEdit", "mnuEditFindNext", "Find Next", "F3", None},
    {Row::Item, "mnuEdit", "mnuEditFindPrevious", "Find Previous", "Shift+F3", None},
    {Row::Item, "mnuEdit", "mnuEditReplace", "Replace", "Ctrl+H", None},
    {Row::Item, "mnuEdit", "mnuEditGoToLine", "Go To Line", "Ctrl+G", None},

    {Row::Menu, nullptr, "mnuView", "&View", "", None},
    {Row::Item, "mnuView", "mnuShowToolbars", "Show Toolbars", "", Checked, ShowToolbars},
    {Row::Separator, "mnuView", "mnuViewSep1", "-", "", None},
    {Row::Item, "mnuView", "mnuViewActions", "Actions", "Ctrl+F1", None},
    {Row::Item, "mnuView", "mnuViewBindableKeys", "Bindable Keys", "Ctrl+F2", None},
    {Row::Item, "mnuView", "mnuViewCVars", "CVars", "Ctrl+F3", None},
    {Row::Item, "mnuView", "mnuView1", "", "", None},
    {Row::Item, "mnuView", "mnuView2", "", "Ctrl+F4", None, ModList},

    {Row::Menu, nullptr, "mnuFormat", "F&ormat", "", None},
    {Row::Item, "mnuFormat", "mnuFormatCenterText", "Center Text", "Ctrl+E", None},
    {Row::Item, "mnuFormat", "mnuAlignTextLeft", "Align Left", "Ctrl+L", None},
    {Row::Item, "mnuFormat", "mnuAlignTextRight", "Align Right", "Ctrl+R", None},
    {Row::Separator, "mnuFormat", "mnuFormatSep1", "-", "", None},
    {Row::Item, "mnuFormat", "mnuFormatCommentBlock", "Comment Block", "Ctrl+I", None},
    {Row::Item, "mnuFormat", "mnuFormatUncommentBlock", "Uncomment Block", "Ctrl+U", None},

    {Row::Menu, nullptr, "mnuInsert", "&Insert", "", None},
    {Row::Item, "mnuInsert", "mnuInsertAlias", "Aliases", "", Disabled},
    {Row::Menu, "mnuInsert", "mnuInsertCommands", "Commands", "", None},
    {Row::Item, "mnuInsertCommands", "mnuInsertCommandBind", "bind", "Ctrl+B", None},
    {Row::Item, "mnuInsertCommands", "mnuInsertCommandsSet", "set", "Ctrl+S", None},
    {Row::Menu, "mnuInsert", "mnuInsertFormatting", "Formatting", "", None},
    {Row::Item, "mnuInsertFormatting", "mnuInsertComment", "Comment", "", None},
    {Row::Item, "mnuInsertFormatting", "mnuInsertEOF", "End of File Marker", "", None},
    {Row::Menu, "mnuInsert", "mnuOther", "Other", "", None},
    {Row::Slots, "mnuOther", "mnuOther", "", "", None, ModCommand},
    {Row::Item, "mnuInsert", "mnuInsertTemplate", "Template", "", Disabled, InsertTemplate},

    {Row::Menu, nullptr, "mnuTools", "&Tools", "", None},
    {Row::Item, "mnuTools", "mnuToolsOptions", "Options...", "", None, Options},
    {Row::Separator, "mnuTools", "mnuToolsSep1", "-", "", None},
    {Row::Item, "mnuTools", "mnuTools1", "", "", None, ModTool},

    {Row::Menu, nullptr, "mnuWindow", "&Window", "", None},
    {Row::Item, "mnuWindow", "mnuWindowCascade", "Cascade", "", None, Cascade},
    {Row::Item, "mnuWindow", "mnuWindowTileHorizontally", "Tile Horizontally", "", None, TileHorizontally},
    {Row::Item, "mnuWindow", "mnuWindowTileVertically", "Tile Vertically", "", None, TileVertically},
    {Row::Item, "mnuWindow", "mnuWindowArrange", "Arrange", "", None, ArrangeIcons},

    {Row::Menu, nullptr, "mnuChildHelp", "&Help", "", None},
    {Row::Item, "mnuChildHelp", "mnuHelpAbout", "About", "", None, About},
    {Row::Item, "mnuChildHelp", "mnuHelpContents", "Contents...", "F1", None, HelpContents},
    {Row::Item, "mnuChildHelp", "mnuHelpMod", "", "", None, HelpMod},
    {Row::Separator, "mnuChildHelp", "mnuHelpSep1", "-", "", None},
    {Row::Item, "mnuChildHelp", "mnuHelpSpecific", "Help on...", "", None, HelpOn},
};

constexpr int kOtherSlots = 25;

// The editor's right-click menu: items of the menu bar (by name), nullptr for a separator.
const char *const kEditorMenuItems[] = {
    "mnuEditCut",  "mnuEditCopy", "mnuEditPaste", nullptr, "mnuEditSelectAll", nullptr,
    "mnuFormatCommentBlock", "mnuFormatUncommentBlock", nullptr, "mnuHelpSpecific",
};

} // namespace

QMenu *frmChild::addMenu(const QString &name, const QString &caption, QMenu *parent)
{
    auto *menu = new QMenu(caption, this);
    menu->setObjectName(name);
    menu->menuAction()->setObjectName(name);
    if (parent)
        parent->addMenu(menu);
    else
        m_menus.append(menu);
    m_items.insert(name, menu->menuAction());
    return menu;
}

QAction *frmChild::addItem(QMenu *menu, const QString &name, const QString &caption,
                           const QKeySequence &shortcut)
{
    auto *item = new QAction(caption, this);
    item->setObjectName(name);
    item->setShortcut(shortcut);
    // Each window's shortcuts act only while it is the frame's current document.
    item->setShortcutContext(Qt::WindowShortcut);
    menu->addAction(item);
    m_items.insert(name, item);
    return item;
}

void frmChild::createMenus()
{
    QHash<QString, QMenu *> menusByName;
    for (const MenuRow &row : kChildMenuRows) {
        QMenu *parent = row.parent ? menusByName.value(QLatin1String(row.parent)) : nullptr;
        const QString name = QLatin1String(row.name);
        const QString caption = QString::fromUtf8(row.caption);
        switch (row.kind) {
        case Row::Menu: {
            QMenu *menu = addMenu(name, caption, parent);
            menusByName.insert(name, menu);
            if (row.command)
                connect(menu, &QMenu::aboutToShow, this,
                        [this, menu, command = *row.command] { runCommand(command, menu->menuAction()); });
            break;
        }
        case Row::Separator: {
            QAction *separator = parent->addSeparator();
            separator->setObjectName(name);
            break;
        }
        case Row::Item: {
            QAction *item = addItem(parent, name, caption);
            item->setShortcuts(QKeySequence::listFromString(QLatin1String(row.shortcut)));
            item->setEnabled(!(row.flags & Disabled));
            if (row.flags & Checked) {
                item->setCheckable(true);
                item->setChecked(true);
            }
            if (row.command)
                connect(item, &QAction::triggered, this,
                        [this, item, command = *row.command] { runCommand(command, item); });
            break;
        }
        case Row::Slots:
            for (int slot = 1; slot <= kOtherSlots; ++slot) {
                QAction *item = addItem(parent, name + QString::number(slot), QString());
                item->setData(slot);
                connect(item, &QAction::triggered, this,
                        [this, item, command = *row.command] { runCommand(command, item); });
            }
            break;
        }
    }

    m_windowMenu = menusByName.value(QStringLiteral("mnuWindow"));
    connect(m_windowMenu, &QMenu::aboutToShow, this, &frmChild::fillWindowMenu);

    m_editorMenu = new QMenu(this);
    m_editorMenu->setObjectName(QStringLiteral("mnuEditorPopup"));
    for (const char *name : kEditorMenuItems) {
        if (name)
            m_editorMenu->addAction(menuItem(QLatin1String(name)));
        else
            m_editorMenu->addSeparator();
    }
    connect(m_editor, &platform::RichEdit::contextMenuWanted, m_editorMenu,
            [this](const QPoint &position) { m_editorMenu->popup(position); });

    // "Help on" names the selection whenever a menu holding it opens.
    QAction *helpOn = menuItem(QStringLiteral("mnuHelpSpecific"));
    for (QMenu *menu : {menusByName.value(QStringLiteral("mnuChildHelp")), m_editorMenu})
        connect(menu, &QMenu::aboutToShow, this,
                [this, helpOn] { helpOn->setText(helpOnCaption(m_editor->SelText())); });
}

void frmChild::runCommand(DocumentCommand command, QAction *item)
{
    m_documents->commands().run(command, *this, *item);
}

void frmChild::connectHandlers()
{
    const struct {
        const char *name;
        std::function<void()> handler;
    } handlers[] = {
        {"mnuChildFileClose", [this] { close(); }},
        {"mnuChildFileSave", [this] { mnuChildFileSave_Click(); }},
        {"mnuChildFileSaveAs", [this] { mnuChildFileSaveAs_Click(); }},
        {"mnuEditCut", [this] { mnuEditCut_Click(); }},
        {"mnuEditCopy", [this] { mnuEditCopy_Click(); }},
        {"mnuEditPaste", [this] { mnuEditPaste_Click(); }},
        {"mnuEditUndo", [this] { m_editor->undo(); }},
        {"mnuEditRedo", [this] { m_editor->redo(); }},
        {"mnuEditFind", [this] { m_findBar->showFind(false); }},
        {"mnuEditFindNext", [this] { m_findBar->findNext(); }},
        {"mnuEditFindPrevious", [this] { m_findBar->findPrevious(); }},
        {"mnuEditReplace", [this] { m_findBar->showFind(true); }},
        {"mnuEditGoToLine", [this] { m_findBar->showGoToLine(); }},
        {"mnuEditSelectAll", [this] { m_editor->Select(0, m_editor->TextLength()); }},
        {"mnuFormatCenterText", [this] { m_editor->setSelAlignment(Qt::AlignHCenter); }},
        {"mnuAlignTextLeft", [this] { m_editor->setSelAlignment(Qt::AlignLeft); }},
        {"mnuAlignTextRight", [this] { m_editor->setSelAlignment(Qt::AlignRight); }},
        {"mnuFormatCommentBlock", [this] { CommentBlock(); }},
        {"mnuFormatUncommentBlock", [this] { UncommentBlock(); }},
        {"mnuInsertCommandBind", [this] { InsertBind(); }},
        {"mnuInsertCommandsSet", [this] { InsertText(QStringLiteral("set"), core::Keyword::Set); }},
        {"mnuInsertComment", [this] { m_editor->setSelText(QStringLiteral("//")); }},
        {"mnuInsertEOF", [this] { InsertText(QStringLiteral("//EOF"), core::Keyword::EndOfFile); }},
        {"mnuViewActions", [this] { ShowBindsList(); }},
        {"mnuViewBindableKeys", [this] { ShowKeysList(); }},
        {"mnuViewCVars", [this] { ShowCVarsList(); }},
    };
    for (const auto &entry : handlers)
        connect(menuItem(QLatin1String(entry.name)), &QAction::triggered, this, entry.handler);
}

void frmChild::fillWindowMenu()
{
    qDeleteAll(m_windowListItems);
    m_windowListItems.clear();
    DocumentHost *host = m_documents->host();
    const QList<frmChild *> windows = host->documentWindows();
    if (windows.isEmpty())
        return;
    m_windowListItems.append(m_windowMenu->addSeparator());
    int number = 0;
    for (frmChild *window : windows) {
        ++number;
        const QString text = number < 10 ? QStringLiteral("&%1 %2").arg(number).arg(window->Caption())
                                         : QStringLiteral("%1 %2").arg(number).arg(window->Caption());
        QAction *item = m_windowMenu->addAction(text);
        item->setCheckable(true);
        item->setChecked(window == host->activeDocument());
        QPointer<frmChild> target(window);
        connect(item, &QAction::triggered, this, [host, target] {
            if (target)
                host->activateDocument(target);
        });
        m_windowListItems.append(item);
    }
}

void DocumentCommands::bind(DocumentCommand command, Handler handler)
{
    m_handlers[size_t(command)] = std::move(handler);
}

bool DocumentCommands::isBound(DocumentCommand command) const
{
    return bool(m_handlers[size_t(command)]);
}

void DocumentCommands::run(DocumentCommand command, frmChild &window, QAction &item) const
{
    if (const Handler &handler = m_handlers[size_t(command)])
        handler(window, item);
    else
        qWarning("Tessel: the menu item %s has no command bound", qPrintable(item.objectName()));
}

QList<std::pair<QString, DocumentCommand>> documentMenuCommands()
{
    QList<std::pair<QString, DocumentCommand>> rows;
    for (const MenuRow &row : kChildMenuRows)
        if (row.command)
            rows.append({QLatin1String(row.name), *row.command});
    return rows;
}

} // namespace document
