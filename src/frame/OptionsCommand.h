#pragma once

namespace document {
class frmChild;
}

namespace frame {

/** Connects Tools > Options... of a new document window. */
void installOptionsCommand(document::frmChild *child);

} // namespace frame
