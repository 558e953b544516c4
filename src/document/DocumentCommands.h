#pragma once

#include <QList>
#include <QString>

#include <array>
#include <functional>
#include <utility>

class QAction;

namespace document {

class frmChild;

/**
 * The rows of a document window's menus whose work lies above the document layer. The
 * frame binds a handler to each once, at start-up.
 */
enum class DocumentCommand {
    New,
    Open,
    GameAndMod, // File > Game and Mod...: Select Mod for this document
    RecentFiles, // a menu: its handler fills it as it opens (the item is the menu's action)
    Exit,
    ShowToolbars,
    ModList,    // View: the mod's list named by the item's caption
    ModCommand, // Insert > Other: the mod's command; the item's data() is its slot (from 1)
    InsertTemplate,
    Options,
    ModTool, // Tools: the mod's tool named by the item's caption
    Cascade,
    TileHorizontally,
    TileVertically,
    ArrangeIcons,
    About,
    HelpContents,
    HelpMod,
    HelpOn,
};

inline constexpr int kDocumentCommandCount = int(DocumentCommand::HelpOn) + 1;

/** What each document command does: a handler per command, taking the window and the item. */
class DocumentCommands {
public:
    using Handler = std::function<void(frmChild &window, QAction &item)>;

    void bind(DocumentCommand command, Handler handler);
    bool isBound(DocumentCommand command) const;
    /** Runs the handler of @p command; a command nobody bound is reported, not ignored. */
    void run(DocumentCommand command, frmChild &window, QAction &item) const;

private:
    std::array<Handler, kDocumentCommandCount> m_handlers;
};

/** Each row of the document menus that names a command: its name and its command. */
QList<std::pair<QString, DocumentCommand>> documentMenuCommands();

} // namespace document
