#pragma once

namespace document {
class Documents;
class frmChild;
}

namespace mods {

/**
 * Connects the mod-dependent items of a new document window to their commands: the Other
 * items, the Tools item and the mod's list in the View menu. Each acts on its own caption.
 */
void installModCommands(document::frmChild *child, document::Documents *documents);

} // namespace mods
