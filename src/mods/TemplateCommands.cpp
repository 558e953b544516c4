#include "mods/TemplateCommands.h"

namespace mods {

void installTemplateCommand(document::frmChild *, document::Documents *) {}

} // namespace mods
