#include "mods/ModMenus.h"

#include "document/frmChild.h"
#include "mods/ModMenuLayouts.h"

#include <QAction>

namespace mods {

namespace {

void applyItem(QAction *item, const ItemLayout &layout)
{
    if (!item)
        return;
    if (layout.caption) {
        const QString caption = layout.caption->toString();
        // A separator is only a line: the style would draw a text beside it.
        const bool separator = caption == QLatin1String("-");
        item->setSeparator(separator);
        item->setText(separator ? QString() : caption);
    }
    item->setVisible(layout.visible);
}

} // namespace

void SetModMenus(document::frmChild *child, const QString &modName)
{
    if (!child)
        return;
    const std::optional<ModMenuLayout> layout = findModMenuLayout(modName);
    if (!layout)
        return;

    applyItem(child->menuItem(QStringLiteral("mnuOther")), layout->other());
    for (int slot = 1; slot <= kOtherSlotCount; ++slot)
        applyItem(child->menuItem(QStringLiteral("mnuOther%1").arg(slot)), layout->otherSlot(slot));
    if (QAction *templateItem = child->menuItem(QStringLiteral("mnuInsertTemplate"))) {
        templateItem->setText(layout->mod->templateCaption.toString());
        // A layout only ever enables the item; a reused window keeps an enabled one.
        if (layout->enablesTemplate())
            templateItem->setEnabled(true);
    }
    applyItem(child->menuItem(QStringLiteral("mnuTools1")), layout->tools());
    applyItem(child->menuItem(QStringLiteral("mnuView1")), layout->view1());
    applyItem(child->menuItem(QStringLiteral("mnuView2")), layout->view2());
    applyItem(child->menuItem(QStringLiteral("mnuHelpMod")), layout->helpMod());
}

void ClearModMenus(document::frmChild *child)
{
    if (!child)
        return;
    for (int slot = 1; slot <= kOtherSlotCount; ++slot)
        if (QAction *item = child->menuItem(QStringLiteral("mnuOther%1").arg(slot))) {
            item->setSeparator(false);
            item->setText(QString());
        }
    if (QAction *templateItem = child->menuItem(QStringLiteral("mnuInsertTemplate")))
        templateItem->setEnabled(false);
}

} // namespace mods
