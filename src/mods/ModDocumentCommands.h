#pragma once

namespace document {
class Documents;
class frmChild;
}

namespace mods {

/** Connects the mod-dependent items of a new document window (Other, Tools, mod list) to their commands. */
void installModCommands(document::frmChild *child, document::Documents *documents);

} // namespace mods
