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
    // mod name, Other menu, Other slots, Template caption, enables Template, Tools, View 1, View 2, Help
    {u"Blank", kHidden, kNoCommands, u"Regular Template", false,
     kHidden, kHidden, kHidden, kHidden},
    {u"Action Quake", shown(u"Action Quake"), kActionQuake, u"Action Quake Template", false,
     kHidden, kViewSeparator, shown(u"Action Quake Binds"), shown(u"Action Quake Help")},
    {u"Capture the flag", shown(u"Capture the Flag"), kCaptureTheFlag, u"Capture the flag Template", false,
     kHidden, kViewSeparator, shown(u"Capture the flag Binds"), shown(u"Capture the Flag Help")},
    {u"Free for all", shown(u"Free for All"), kNoCommands, u"Free for all Template", false,
     kHidden, kViewSeparator, shown(u"Free for all Binds"), shown(u"Free for all Help")},
    {u"Gxmod", shown(u"Gxmod"), kGxmod, u"GxMod Template", false,
     kHidden, kViewSeparator, shown(u"GxMod Binds"), shown(u"GxMod Help")},
    {u"Gxmod Server", shown(u"Gxmod Server"), kGxmodServer, u"GxMod Server Template", false,
     shown(u"Calculate Flags"), kViewSeparator, shown(u"GxMod Server Binds"), shown(u"GxMod Server Help")},
    {u"Lithium", shown(u"Lithium"), kLithium, u"Lithium Template", false,
     kHidden, kViewSeparator, shown(u"Lithium Binds"), shown(u"Lithium Help")},
    {u"Rocket arena", shown(u"Rocket Arena"), kNoCommands, u"Rocket Arena 2 Template", false,
     kHidden, kViewSeparator, shown(u"Rocket Arena 2 Binds"), shown(u"Rocket Arena 2 Help")},
    {u"Rocket arena Server", shown(u"Rocket Arena Server"), kRocketArenaServer, u"Rocket Arena 2 Server Template", false,
     kHidden, kViewSeparator, shown(u"Rocket Arena 2 Server Binds"), shown(u"Rocket Arena 2 Server Help")},
    {u"Weapons factory", shown(u"Weapons Factory"), kWeaponsFactoryQ2, u"Weapons factory Template", false,
     kHidden, kViewSeparator, shown(u"Weapons factory Binds"), shown(u"Weapons factory Help")},
    {u"Free for All", shown(u"Free for All"), kNoCommands, u"Free for All Template", false,
     shown(u"Name Editor"), kViewSeparator, shown(u"Free for All Binds"), shown(u"Free for All Help")},
    {u"OSP", shown(u"OSP"), kOsp, u"OSP Template", false,
     shown(u"Name Editor"), kViewSeparator, shown(u"OSP Binds"), shown(u"OSP Help")},
    {u"OSP Server", shown(u"OSP Server"), kOspServer, u"OSP Server Template", true,
     shown(u"Name Editor"), kViewSeparator, shown(u"OSP Server Binds"), shown(u"OSP Server Help")},
    {u"OSP Server Custom Mod", kHidden, kNoCommands, u"OSP Custom Mod Template", true,
     kHidden, kHidden, kHidden, shown(u"OSP Custom Mod Help")},
    {u"OSP Server Map List", kHidden, kNoCommands, u"OSP Map List Template", true,
     kHidden, kHidden, kHidden, shown(u"OSP Server Map List Help")},
    {u"OSP Server Player Filter", shown(u"OSP Server Player Filter"), kOspPlayerFilter, u"OSP Player Filter Template", true,
     kHidden, kHidden, kHidden, shown(u"OSP Server Player Filter Help")},
    {u"Rocket Arena", shown(u"Rocket Arena 3"), kRocketArena3, u"Rocket Arena 3 Template", false,
     shown(u"Name Editor"), kViewSeparator, shown(u"Rocket Arena 3 Binds"), shown(u"Rocket Arena 3 Help")},
    {u"Urban Terror", shown(u"Urban Terror"), kUrbanTerror, u"Urban Terror Template", false,
     shown(u"Name Editor"), kViewSeparator, shown(u"Urban Terror Binds"), shown(u"Urban Terror Help")},
    {u"Weapons Factory", shown(u"Weapons Factory"), kWeaponsFactoryQ3, u"Weapons Factory Template", false,
     shown(u"Name Editor"), kViewSeparator, shown(u"Weapons Factory Binds"), shown(u"Weapons Factory Help")},
};

constexpr ViewListFile kViewListFiles[] = {
    {u"Weapons Factory Binds",       u"\\Quake3\\wfa.txt"},
    {u"Urban Terror Binds",          u"\\Quake3\\q3ut.txt"},
    {u"Rocket Arena 3 Binds",        u"\\Quake3\\ra3.txt"},
    {u"OSP Binds",                   u"\\Quake3\\osp.txt"},
    {u"OSP Server Binds",            u"\\Quake3\\osps.txt"},
    {u"Free for All Binds",          u"\\Quake3\\ffa.txt"},
    {u"Action Quake Binds",          u"\\Quake2\\aq.txt"},
    {u"Capture the flag Binds",      u"\\Quake2\\ctf.txt"},
    {u"Free for all Binds",          u"\\Quake2\\ffa.txt"},
    {u"GxMod Binds",                 u"\\Quake2\\gx.txt"},
    {u"GxMod Server Binds",          u"\\Quake2\\gxsv.txt"},
    {u"Lithium Binds",               u"\\Quake2\\lith.txt"},
    {u"Rocket Arena 2 Binds",        u"\\Quake2\\ra2.txt"},
    {u"Rocket Arena 2 Server Binds", u"\\Quake2\\ra2sv.txt"},
    {u"Weapons factory Binds",       u"\\Quake2\\wf.txt"},
};
// clang-format on

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

std::span<const ModMenuLayout> modMenuLayouts() { return kLayouts; }

const ModMenuLayout *findModMenuLayout(const QString &modName)
{
    for (const ModMenuLayout &layout : kLayouts) {
        if (modName == layout.modName)
            return &layout;
    }
    return nullptr;
}

std::span<const ViewListFile> viewListFiles() { return kViewListFiles; }

const ViewListFile *findViewListFile(const QString &caption)
{
    for (const ViewListFile &row : kViewListFiles) {
        if (caption == row.caption)
            return &row;
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
