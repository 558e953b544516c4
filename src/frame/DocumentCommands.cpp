// What the items of the document windows' menus do beyond the window itself: the one
// place where the frame binds them, at start-up.
#include "document/ContextHelp.h"
#include "document/frmChild.h"
#include "frame/frmAbout.h"
#include "frame/frmOptions.h"
#include "frame/frmParent.h"
#include "mods/ModDocumentCommands.h"
#include "mods/TemplateCommands.h"
#include "mods/frmSelMod.h"

#include <QAction>
#include <QMenu>
#include <QToolBar>

namespace frame {

void frmParent::bindDocumentCommands()
{
    using enum document::DocumentCommand;
    using document::frmChild;
    document::Documents *documents = &m_documents;
    const auto arrangement = [this](Arrangement how) {
        return [this, how](frmChild &, QAction &) { arrange(how); };
    };
    const struct {
        document::DocumentCommand command;
        document::DocumentCommands::Handler handler;
    } handlers[] = {
        {New, [this](frmChild &, QAction &) { newDocumentCommand(); }},
        {Open, [this](frmChild &, QAction &) { openCommand(); }},
        {GameAndMod,
         [documents](frmChild &child, QAction &) {
             mods::frmSelMod::showForDocument(documents, &child);
         }},
        {RecentFiles, [this](frmChild &, QAction &menu) { fillRecentFilesMenu(menu.menu()); }},
        {Exit, [this](frmChild &, QAction &) { close(); }},
        // The item is checkable, so triggering it has already inverted its check mark.
        {ShowToolbars,
         [this](frmChild &, QAction &) {
             m_tbr1->setVisible(!m_tbr1->isVisible());
             m_tbr2->setVisible(!m_tbr2->isVisible());
         }},
        {ModList, &mods::viewListItemClicked},
        {ModCommand,
         [](frmChild &child, QAction &item) {
             mods::otherItemClicked(child, item, item.data().toInt());
         }},
        {InsertTemplate,
         [documents](frmChild &child, QAction &) {
             mods::mnuInsertTemplate_Click(&child, documents);
         }},
        {Options, [](frmChild &, QAction &) { frmOptions::showWindow(); }},
        {ModTool, &mods::toolsItemClicked},
        {Cascade, arrangement(Arrangement::Cascade)},
        {TileHorizontally, arrangement(Arrangement::TileHorizontally)},
        {TileVertically, arrangement(Arrangement::TileVertically)},
        {ArrangeIcons, arrangement(Arrangement::Icons)},
        {About, [](frmChild &, QAction &) { frmAbout::showWindow(); }},
        {HelpContents,
         [](frmChild &, QAction &) { document::ShowHelpTopic(document::contentsTopic()); }},
        {HelpMod,
         [documents](frmChild &child, QAction &) { document::showModHelp(child, *documents); }},
        {HelpOn,
         [documents](frmChild &child, QAction &item) {
             document::showHelpOn(child, *documents, item.text());
         }},
    };
    for (const auto &row : handlers)
        m_documents.commands().bind(row.command, row.handler);
}

} // namespace frame
