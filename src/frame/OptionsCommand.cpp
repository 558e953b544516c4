#include "frame/OptionsCommand.h"

#include "document/frmChild.h"
#include "frame/frmOptions.h"

#include <QAction>

namespace frame {

void installOptionsCommand(document::frmChild *child)
{
    QObject::connect(child->menuItem(QStringLiteral("mnuToolsOptions")), &QAction::triggered, child,
                     [] { frmOptions::showWindow(); });
}

} // namespace frame
