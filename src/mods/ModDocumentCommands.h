#pragma once

class QAction;

namespace document {
class frmChild;
}

namespace mods {

// The mod-dependent items of a document window; each acts on its own caption.

/** Insert > Other, slot @p slot: the command of the item's caption, if the slot knows it. */
void otherItemClicked(document::frmChild &child, const QAction &item, int slot);
/** Tools: the mod's tool. */
void toolsItemClicked(document::frmChild &child, const QAction &item);
/** View: the mod's list. */
void viewListItemClicked(document::frmChild &child, const QAction &item);

} // namespace mods
