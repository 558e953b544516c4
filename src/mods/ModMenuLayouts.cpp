#include "mods/ModMenuLayouts.h"

namespace mods {

namespace {

using Caption = std::optional<QStringView>;

constexpr ItemLayout kHidden{std::nullopt, false};
constexpr ItemLayout kViewSeparator{u"-", true};

constexpr ItemLayout shown(QStringView caption) { return {caption, true}; }

// Layouts without commands of their own still show slot 1, with its caption untouched.
constexpr Caption kNoCommands[] = {std::nullopt};

constexpr Caption kActionQuake[] = {
    u"Alt Weapon Mode", u"Bandage", u"Drop Item", u"Drop Weapon", u"Open Door", u"Reload",
    u"Sniper", u"-", u"2nd Pistol", u"Combat Knife", u"Handcannon",
    u"M26 Fragmentation Grenade", u"M3 Assault Shotgun", u"M4 Assault Rifle",
    u"Mark 23 Pistol", u"MP5 Submachinegun", u"Sniper Rifle", u"Use Special Weapon",
};

constexpr Caption kCaptureTheFlag[] = {
    u"Drop Flag", u"Grapple", u"Offhand Grapple", u"play_team", u"-", u"Armor (%a)",
    u"Health (%h)", u"Location (%l)", u"Current viewed opponent (%n)", u"Tech (%t)",
};

constexpr Caption kGxmod[] = {
    u"Create Team", u"Join Team", u"Lock Team", u"Ready Team", u"Rename Team", u"-",
    u"Not Ready", u"Ready", u"-", u"Kickplayer", u"Pickplayer", u"-", u"Last Score",
    u"Split Score", u"-", u"Chasecam", u"Next Target", u"Next View", u"Observer", u"Player",
};

constexpr Caption kGxmodServer[] = {
    u"DM Flags", u"Powerup Flags", u"Weap Flags", u"FFA Powerup Flags", u"FFA Weap Flags",
    u"Practice Weap Flags", u"Team Powerup Flags", u"Team Weap Flags", u"-",
    u"Admin Password", u"Countdown Duration", u"Fraglimit", u"Host Name", u"Map List",
    u"Max Team Players", u"Maxclients", u"Overtime Duration", u"Overtime Mode", u"Password",
    u"RCon Password", u"Server Startup Map", u"Timelimit", u"Timeout Duration",
};

constexpr Caption kLithium[] = {u"Drop Rune", u"Hook"};

constexpr Caption kRocketArenaServer[] = {
    u"Allow Grapple", u"Allowed Weapons", u"Armor Protect", u"Competition Mode",
    u"Damage Scoring", u"Falling Damage", u"Fast Weapon Switch", u"Health Protect",
    u"Lock Arena", u"Max Teams", u"Maximum Ping", u"Minimum Ping", u"Pickup",
    u"Players Per Team", u"Rounds", u"Starting Armor", u"Starting Bullets", u"Starting Cells",
    u"Starting Grenades", u"Starting Health", u"Starting Rockets", u"Starting Shells",
    u"Starting Slugs", u"Vote Tries",
};

constexpr Caption kWeaponsFactoryQ2[] = {
    u"Action Menu", u"Homing Rockets", u"Change Class", u"Create Decoy", u"Fly", u"Grapple",
    u"Grenade", u"Grenade 1", u"Grenade 2", u"Grenade 3", u"Help", u"Play Sound",
    u"Play Team Sound", u"Show Class", u"Show Players", u"Vote", u"Zoom View",
};

constexpr Caption kOsp[] = {
    u"Hook/Grapple", u"callvote", u"drop", u"follownext", u"followprev", u"invite",
    u"joincode", u"lock", u"notready", u"players", u"ready", u"scores", u"team",
    u"teamready", u"unlock", u"timein", u"timeout", u"-", u"r_allready", u"r_lock", u"r_map",
    u"r_putblue", u"r_putred", u"r_unlock",
};

constexpr Caption kOspServer[] = {
    u"players", u"-", u"dmflags", u"g_allowVote", u"g_doWarmup", u"g_friendlyFire",
    u"g_gametype", u"g_warmup", u"map_file", u"match_hurtself", u"mode_start",
    u"mode_customfile", u"ref_password", u"server_motdfile", u"server_motd[1-8]",
    u"server_promode", u"server_thrufloors", u"start_armor", u"start_health", u"vote_percent",
};

constexpr Caption kOspPlayerFilter[] = {u"banaddr", u"banpass", u"banplayer", u"bantag"};

constexpr Caption kRocketArena3[] = {
    u"MP3 Play", u"MP3 Pause", u"MP3 Play/Pause Toggle", u"MP3 Prev", u"MP3 Next",
};

constexpr Caption kUrbanTerror[] = {
    u"Bandage", u"Drop Item", u"Drop Weapon", u"Fire Mode", u"Item Next", u"Item Previous",
    u"Item Use", u"Open Door", u"Radio", u"Reload", u"Scores", u"Sprint",
    u"UI - Select Gear", u"UI - Select Team", u"Weapon Toggle", u"Zoom In", u"Zoom Out",
    u"Zoom Reset", u"-", u"Ammo Status", u"Clips Status", u"Health Status",
};

constexpr Caption kWeaponsFactoryQ3[] = {
    u"Alarm", u"Alt Fire Mode", u"Cloak", u"Decoy", u"Defuse", u"Detonate Pipebomb",
    u"Disguise", u"Fly", u"Healing Depot", u"Homing Rockets", u"Kamikaze", u"Laser Defense",
    u"Offhand Grapple", u"Plasmabomb", u"Sentry", u"Supply Depot", u"-", u"Drop Ammo/Flag",
    u"Play Team Sound", u"-", u"Change Class Menu", u"Change Team Menu", u"Radio Menu",
    u"Special Menu",
};

// clang-format off
constexpr ModMenuLayout kLayouts[] = {
    //mod Other menu                          Other slots         Tools
    {-1,  kHidden,                            kNoCommands,        kHidden},
    {0,   shown(u"Action Quake"),             kActionQuake,       kHidden},
    {1,   shown(u"Capture the Flag"),         kCaptureTheFlag,    kHidden},
    {2,   shown(u"Free for All"),             kNoCommands,        kHidden},
    {3,   shown(u"Gxmod"),                    kGxmod,             kHidden},
    {4,   shown(u"Gxmod Server"),             kGxmodServer,       shown(u"Calculate Flags")},
    {5,   shown(u"Lithium"),                  kLithium,           kHidden},
    {8,   shown(u"Rocket Arena"),             kNoCommands,        kHidden},
    {9,   shown(u"Rocket Arena Server"),      kRocketArenaServer, kHidden},
    {11,  shown(u"Weapons Factory"),          kWeaponsFactoryQ2,  kHidden},
    {13,  shown(u"Free for All"),             kNoCommands,        shown(u"Name Editor")},
    {14,  shown(u"OSP"),                      kOsp,               shown(u"Name Editor")},
    {15,  shown(u"OSP Server"),               kOspServer,         shown(u"Name Editor")},
    {151, kHidden,                            kNoCommands,        kHidden},
    {153, kHidden,                            kNoCommands,        kHidden},
    {152, shown(u"OSP Server Player Filter"), kOspPlayerFilter,   kHidden},
    {17,  shown(u"Rocket Arena 3"),           kRocketArena3,      shown(u"Name Editor")},
    {19,  shown(u"Urban Terror"),             kUrbanTerror,       shown(u"Name Editor")},
    {20,  shown(u"Weapons Factory"),          kWeaponsFactoryQ3,  shown(u"Name Editor")},
};
// clang-format on

ItemLayout shownIfAny(QStringView caption)
{
    return caption.isEmpty() ? kHidden : shown(caption);
}

constexpr ToolItem kToolItems[] = {
    {u"Calculate Flags", Tool::CalculateFlags},
    {u"Name Editor", Tool::NameEditor},
};

} // namespace

ItemLayout ModMenuLayout::otherSlot(int slot) const
{
    if (slot < 1 || slot > int(otherSlots.size()))
        return kHidden;
    return {otherSlots[slot - 1], true};
}

ItemLayout ModMenuLayout::view1() const
{
    return mod->viewCaption.isEmpty() ? kHidden : kViewSeparator;
}

ItemLayout ModMenuLayout::view2() const { return shownIfAny(mod->viewCaption); }

ItemLayout ModMenuLayout::helpMod() const { return shownIfAny(mod->helpCaption); }

std::span<const ModMenuLayout> modMenuLayouts() { return kLayouts; }

const ModMenuLayout *findModMenuLayout(const QString &modName)
{
    for (const ModMenuLayout &layout : kLayouts) {
        if (modName == layout.mod->name)
            return &layout;
    }
    return nullptr;
}

const core::Mod *findViewList(const QString &caption)
{
    for (const core::Mod &mod : core::kMods) {
        if (!mod.viewCaption.isEmpty() && caption == mod.viewCaption)
            return &mod;
    }
    return nullptr;
}

std::span<const ToolItem> toolItems() { return kToolItems; }

std::optional<Tool> findTool(const QString &caption)
{
    for (const ToolItem &item : kToolItems) {
        if (caption == item.caption)
            return item.tool;
    }
    return std::nullopt;
}

} // namespace mods
