#include "document/ContextHelp.h"

namespace document {

void installHelpCommands(frmChild *, Documents *) {}

} // namespace document
