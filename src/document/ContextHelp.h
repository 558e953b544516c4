#pragma once

namespace document {

class Documents;
class frmChild;

/** Connects the Help menu of a new document window: contents, the mod's page, help on the selection. */
void installHelpCommands(frmChild *child, Documents *documents);

} // namespace document
