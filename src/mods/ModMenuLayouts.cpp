#include "mods/ModMenuLayouts.h"

#include "mods/ModCommands.h"

namespace mods {

namespace {

constexpr ItemLayout kHidden{std::nullopt, false};
constexpr ItemLayout kViewSeparator{u"-", true};
// Shown, with the caption it has: slot 1 of a mod without Other items.
constexpr ItemLayout kShownUntouched{std::nullopt, true};

constexpr ItemLayout shown(QStringView caption) { return {caption, true}; }

ItemLayout shownIfAny(QStringView caption)
{
    return caption.isEmpty() ? kHidden : shown(caption);
}

struct ToolItem {
    QStringView caption;
    Tool tool;
};

constexpr ToolItem kToolItems[] = {
    {u"Calculate Flags", Tool::CalculateFlags},
    {u"Name Editor", Tool::NameEditor},
};

} // namespace

ItemLayout ModMenuLayout::other() const { return shownIfAny(mod->otherCaption); }

ItemLayout ModMenuLayout::otherSlot(int slot) const
{
    const std::span<const ModCommand> items = otherItems(*mod);
    if (items.empty())
        return slot == 1 ? kShownUntouched : kHidden;
    if (slot < 1 || slot > int(items.size()))
        return kHidden;
    return shown(items[slot - 1].caption);
}

ItemLayout ModMenuLayout::tools() const { return shownIfAny(mod->toolsCaption); }

ItemLayout ModMenuLayout::view1() const
{
    return mod->viewCaption.isEmpty() ? kHidden : kViewSeparator;
}

ItemLayout ModMenuLayout::view2() const { return shownIfAny(mod->viewCaption); }

ItemLayout ModMenuLayout::helpMod() const { return shownIfAny(mod->helpCaption); }

std::optional<ModMenuLayout> findModMenuLayout(const QString &modName)
{
    if (const core::Mod *mod = core::findModNamed(modName))
        return ModMenuLayout{mod};
    return std::nullopt;
}

const core::Mod *findViewList(const QString &caption)
{
    for (const core::Mod &mod : core::kMods) {
        if (!mod.viewCaption.isEmpty() && caption == mod.viewCaption)
            return &mod;
    }
    return nullptr;
}

std::optional<Tool> findTool(const QString &caption)
{
    for (const ToolItem &item : kToolItems) {
        if (caption == item.caption)
            return item.tool;
    }
    return std::nullopt;
}

} // namespace mods
