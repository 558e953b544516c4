#pragma once

namespace document {
class Documents;
}

namespace mods {

/** File > New: the Select Mod dialog, which creates the new document. */
void showSelectModDialog(document::Documents *documents);

} // namespace mods
