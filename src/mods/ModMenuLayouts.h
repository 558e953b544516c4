#pragma once

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
 * One mod's menu layout. Apply in this order: mnuOther, the 25 slots (otherSlot(1..25)),
 * mnuInsertTemplate, mnuTools1, mnuView1, mnuView2, mnuHelpMod.
 */
struct ModMenuLayout {
    QStringView modName;
    ItemLayout other; // the mnuOther submenu itself
    /** Captions of the shown slots 1..n in order; slots after n are hidden. A nullopt entry is
     *  shown with its caption left as it is (empty in a new window). */
    std::span<const std::optional<QStringView>> otherSlots;
    /** Always written; the Template item's visibility is never touched. */
    QStringView templateCaption;
    /** true: enable mnuInsertTemplate; false: leave its enabled state alone (never disable). */
    bool enablesTemplate;
    ItemLayout tools;   // mnuTools1
    ItemLayout view1;   // mnuView1
    ItemLayout view2;   // mnuView2
    ItemLayout helpMod; // mnuHelpMod

    /** What the layout writes into mnuOther<slot>, slot 1..25. */
    ItemLayout otherSlot(int slot) const;
};

/** All nineteen layouts. */
std::span<const ModMenuLayout> modMenuLayouts();

/** The layout of exactly this mod name (case-sensitive), or nullptr: then nothing changes. */
const ModMenuLayout *findModMenuLayout(const QString &modName);

/** A mnuView2 caption and the list file ShowSpecialList gets for it (below the Configs folder). */
struct ViewListFile {
    QStringView caption;
    QStringView file;
};

std::span<const ViewListFile> viewListFiles();

/** The list file of exactly this mnuView2 caption, or nullptr: the click does nothing. */
const ViewListFile *findViewListFile(const QString &caption);

/** The dialogs mnuTools1 opens, modeless. */
enum class Tool { CalculateFlags, NameEditor };

struct ToolItem {
    QStringView caption;
    Tool tool;
};

std::span<const ToolItem> toolItems();

/** The tool of exactly this mnuTools1 caption; std::nullopt: the click does nothing. */
std::optional<Tool> findTool(const QString &caption);

} // namespace mods
