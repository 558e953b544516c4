#pragma once

#include <QString>

namespace document {
class frmChild;
}

namespace mods {

/**
 * Lays out the mod-dependent menu items of @p child for @p modName. Only what the layout
 * names is written; an unknown name changes nothing.
 */
void SetModMenus(document::frmChild *child, const QString &modName);

} // namespace mods
