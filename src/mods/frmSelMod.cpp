#include "mods/frmSelMod.h"

#include "document/DocumentHost.h"
#include "document/Documents.h"
#include "mods/ModMenus.h"

namespace mods {

void showSelectModDialog(document::Documents *documents)
{
    documents->CurrentGame = -1;
    document::frmChild *child = documents->NewDocument(QStringLiteral("Config"), 0);
    SetModMenus(child, QStringLiteral("Blank"));
}

} // namespace mods
