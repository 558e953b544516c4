#pragma once

#include <QString>

namespace document {
class Documents;
class frmChild;
}

namespace mods {

/** Connects Insert > Template of a new document window. */
void installTemplateCommand(document::frmChild *child, document::Documents *documents);

} // namespace mods
