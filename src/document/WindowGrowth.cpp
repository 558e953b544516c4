#include "document/WindowGrowth.h"

#include "document/frmChild.h"

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
    window->resize(window->width() + widthTwips / kTwipsPerPixel,
                   window->height() + heightTwips / kTwipsPerPixel);
}

} // namespace document
