#include "mods/ModMenus.h"

namespace mods {

void SetModMenus(document::frmChild *, const QString &) {}

} // namespace mods
