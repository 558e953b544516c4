#pragma once

#include "core/Mods.h"

#include <QString>
#include <QStringView>

#include <optional>
#include <span>

namespace mods {

/** mnuOther1 .. mnuOther25. */
inline constexpr int kOtherSlotCount = 25;

/**
 * What SetModMenus writes into one menu item. A caption of std::nullopt is not written: the
 * item keeps whatever caption it has (a reused window keeps the caption of its earlier layout).
 * Visibility is always written. A caption of "-" makes the item a separator.
 */
struct ItemLayout {
    std::optional<QStringView> caption;
    bool visible;
};

/**
 * One mod's menu layout, from its record and its Other items. Apply in this order: mnuOther,
 * the 25 slots (otherSlot(1..25)), mnuInsertTemplate, mnuTools1, mnuView1, mnuView2, mnuHelpMod.
 */
struct ModMenuLayout {
    const core::Mod *mod;

    ItemLayout other() const; // the mnuOther submenu itself
    /** What the layout writes into mnuOther<slot>, slot 1..25: the mod's items in order, later
     *  slots hidden. A mod without items still shows slot 1, its caption left as it is (empty
     *  in a new window). */
    ItemLayout otherSlot(int slot) const;
    /** true: enable mnuInsertTemplate; false: leave its enabled state alone (never disable).
     *  Its caption is always written; its visibility is never touched. */
    bool enablesTemplate() const { return mod->templateUse >= core::TemplateUse::OspTypeDialog; }
    ItemLayout tools() const;   // mnuTools1
    ItemLayout view1() const;   // a separator above the View list, if the mod has one
    ItemLayout view2() const;   // the View list
    ItemLayout helpMod() const; // the mod's help
};

/** The layout of exactly this mod name (case-sensitive), or nothing: then nothing changes. */
std::optional<ModMenuLayout> findModMenuLayout(const QString &modName);

/** The mod whose mnuView2 caption this is exactly, or nullptr: the click does nothing. */
const core::Mod *findViewList(const QString &caption);

/** The dialogs mnuTools1 opens, modeless. */
enum class Tool { CalculateFlags, NameEditor };

/** The tool of exactly this mnuTools1 caption; std::nullopt: the click does nothing. */
std::optional<Tool> findTool(const QString &caption);

} // namespace mods
