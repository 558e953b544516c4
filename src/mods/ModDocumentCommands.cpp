#include "mods/ModDocumentCommands.h"

namespace mods {

void installModCommands(document::frmChild *, document::Documents *) {}

} // namespace mods
