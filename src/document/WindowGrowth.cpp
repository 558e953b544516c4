#include "document/WindowGrowth.h"

#include "document/frmChild.h"
#include "platform/Design.h"

#include <QMdiSubWindow>

namespace document {

void growDocumentWindow(frmChild *child, int widthTwips, int heightTwips)
{
    if (!child)
        return;
    QWidget *window = qobject_cast<QMdiSubWindow *>(child->parentWidget());
    if (!window)
        window = child;
    if (window->isMaximized() || window->isMinimized())
        return;
    window->resize(window->size() + platform::twipsToPixels(widthTwips, heightTwips));
}

} // namespace document
