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

/**
 * Puts the mod-dependent items of @p child back as a new window has them (empty Other items,
 * Template disabled), so that the next SetModMenus shows only what its layout names.
 */
void ClearModMenus(document::frmChild *child);

} // namespace mods
