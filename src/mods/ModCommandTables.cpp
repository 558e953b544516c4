#include "mods/ModCommands.h"

namespace mods {

namespace {

using Kind = ModCommandKind;

constexpr ModCommand kSeparator{u"-", Kind::Text, {}};

// Each mod's Other items, in slot order from mnuOther1. Some server rows are Text although they
// write "set ...": those leave the keyword uncoloured.
// clang-format off
constexpr ModCommand kActionQuake[] = {
    {u"Alt Weapon Mode", Kind::KeyBind, u"weapon"},
    {u"Bandage", Kind::KeyBind, u"bandage"},
    {u"Drop Item", Kind::KeyBind, u"drop item"},
    {u"Drop Weapon", Kind::KeyBind, u"drop weapon"},
    {u"Open Door", Kind::KeyBind, u"opendoor"},
    {u"Reload", Kind::KeyBind, u"reload"},
    {u"Sniper", Kind::KeyBind, u"sniper"},
    kSeparator,
    {u"2nd Pistol", Kind::KeyBind, u"use a 2nd pistol"},
    {u"Combat Knife", Kind::KeyBind, u"use Combat Knife"},
    {u"Handcannon", Kind::KeyBind, u"use Handcannon"},
    {u"M26 Fragmentation Grenade", Kind::KeyBind, u"use M26 Fragmentation Grenade"},
    {u"M3 Assault Shotgun", Kind::KeyBind, u"use M3 Super 90 Assault Shotgun"},
    {u"M4 Assault Rifle", Kind::KeyBind, u"use M4 Assault Rifle"},
    {u"Mark 23 Pistol", Kind::KeyBind, u"use Mark 23 pistol"},
    {u"MP5 Submachinegun", Kind::KeyBind, u"use MP5/10 Submachinegun"},
    {u"Sniper Rifle", Kind::KeyBind, u"use Sniper Rifle"},
    {u"Use Special Weapon", Kind::KeyBind, u"use special"},
};

constexpr ModCommand kCaptureTheFlag[] = {
    {u"Drop Flag", Kind::KeyBind, u"drop flag"},
    {u"Grapple", Kind::KeyBind, u"use grapple"},
    {u"Offhand Grapple", Kind::KeyBind, u"+hook"},
    {u"play_team", Kind::TeamSoundBind, {}},
    kSeparator,
    {u"Armor (%a)", Kind::KeyBind, u"%a"},
    {u"Health (%h)", Kind::KeyBind, u"%h"},
    {u"Location (%l)", Kind::KeyBind, u"%l"},
    {u"Current viewed opponent (%n)", Kind::KeyBind, u"%n"},
    {u"Tech (%t)", Kind::KeyBind, u"%t"},
};

constexpr ModCommand kGxmod[] = {
    {u"Create Team", Kind::KeyBind, u"team "},
    {u"Join Team", Kind::KeyBind, u"join "},
    {u"Lock Team", Kind::KeyBind, u"lockteam"},
    {u"Ready Team", Kind::KeyBind, u"readyteam"},
    {u"Rename Team", Kind::KeyBind, u"teamname "},
    kSeparator,
    {u"Not Ready", Kind::KeyBind, u"notready"},
    {u"Ready", Kind::KeyBind, u"ready"},
    kSeparator,
    {u"Kickplayer", Kind::KeyBind, u"kickplayer "},
    {u"Pickplayer", Kind::KeyBind, u"pickplayer "},
    kSeparator,
    {u"Last Score", Kind::KeyBind, u"lscore"},
    {u"Split Score", Kind::KeyBind, u"sscore"},
    kSeparator,
    {u"Chasecam", Kind::KeyBind, u"chasecam"},
    {u"Next Target", Kind::KeyBind, u"nexttarg"},
    {u"Next View", Kind::KeyBind, u"nextview"},
    {u"Observer", Kind::KeyBind, u"observer"},
    {u"Player", Kind::KeyBind, u"player"},
};

constexpr ModCommand kGxmodServer[] = {
    {u"DM Flags", Kind::Text, u"set dmflags "},
    {u"Powerup Flags", Kind::SetLine, u"set powerupflags "},
    {u"Weap Flags", Kind::SetLine, u"set weapflags "},
    {u"FFA Powerup Flags", Kind::SetLine, u"set powerupflags_ffa "},
    {u"FFA Weap Flags", Kind::SetLine, u"set weapflags_ffa "},
    {u"Practice Weap Flags", Kind::SetLine, u"set weapflags_prac "},
    {u"Team Powerup Flags", Kind::SetLine, u"set powerupflags_team "},
    {u"Team Weap Flags", Kind::SetLine, u"set weapflags_team "},
    kSeparator,
    {u"Admin Password", Kind::TextOpeningQuote, u"set adminpw "},
    {u"Countdown Duration", Kind::Text, u"set countdown duration "},
    {u"Fraglimit", Kind::SetLine, u"set fraglimit "},
    {u"Host Name", Kind::SetLineOpeningQuote, u"set hostname "},
    {u"Map List", Kind::SetLine, u"set sv_maplist "},
    {u"Max Team Players", Kind::SetLine, u"set max_team_players "},
    {u"Maxclients", Kind::SetLine, u"set maxclients "},
    {u"Overtime Duration", Kind::SetLine, u"set overtime_duration "},
    {u"Overtime Mode", Kind::SetLine, u"set overtime_mode "},
    {u"Password", Kind::SetLineOpeningQuote, u"set password "},
    {u"RCon Password", Kind::SetLineOpeningQuote, u"set rcon_password "},
    {u"Server Startup Map", Kind::Text, u"map "},
    {u"Timelimit", Kind::SetLine, u"set timelimit "},
    {u"Timeout Duration", Kind::SetLine, u"set timeout_duration "},
};

constexpr ModCommand kLithium[] = {
    {u"Drop Rune", Kind::KeyBind, u"drop rune"},
    {u"Hook", Kind::KeyBind, u"+hook"},
};

constexpr ModCommand kRocketArenaServer[] = {
    {u"Allow Grapple", Kind::Text, u"grapple: 1;"},
    {u"Allowed Weapons", Kind::Text, u"weapons: 2 3 4 5 6 7 8 9 0;"},
    // Same "key: value;" arena line as its neighbours.
    {u"Armor Protect", Kind::Text, u"armorprotect: 1;"},
    {u"Competition Mode", Kind::Text, u"competitionmode: 1;"},
    {u"Damage Scoring", Kind::Text, u"damagescoring: 0;"},
    {u"Falling Damage", Kind::Text, u"fallingdamage: 1;"},
    {u"Fast Weapon Switch", Kind::Text, u"fastswitch: 1;"},
    {u"Health Protect", Kind::Text, u"healthprotect: 2;"},
    {u"Lock Arena", Kind::Text, u"lockarena: 0;"},
    {u"Max Teams", Kind::Text, u"max_teams: 2;"},
    {u"Maximum Ping", Kind::Text, u"maxping: 300;"},
    {u"Minimum Ping", Kind::Text, u"minping: 20;"},
    {u"Pickup", Kind::Text, u"pickup: 0;"},
    {u"Players Per Team", Kind::Text, u"playersperteam: 4;"},
    {u"Rounds", Kind::Text, u"rounds: 5;"},
    {u"Starting Armor", Kind::Text, u"armor: 100;"},
    {u"Starting Bullets", Kind::Text, u"bullets: 150;"},
    {u"Starting Cells", Kind::Text, u"cells: 75;"},
    {u"Starting Grenades", Kind::Text, u"grenades: 10;"},
    {u"Starting Health", Kind::Text, u"health: 100;"},
    {u"Starting Rockets", Kind::Text, u"rockets: 50;"},
    {u"Starting Shells", Kind::Text, u"shells: 40;"},
    {u"Starting Slugs", Kind::Text, u"slugs: 25;"},
    {u"Vote Tries", Kind::Text, u"votetries: 5;"},
};

constexpr ModCommand kWeaponsFactoryQ2[] = {
    {u"Action Menu", Kind::KeyBind, u"cmd special"},
    {u"Homing Rockets", Kind::KeyBind, u"cmd homing"},
    {u"Change Class", Kind::KeyBind, u"cmd changeclass"},
    {u"Create Decoy", Kind::KeyBind, u"cmd decoy"},
    {u"Fly", Kind::KeyBind, u"+thrust"},
    {u"Grapple", Kind::KeyBind, u"cmd grapple"},
    {u"Grenade", Kind::KeyBind, u"cmd grenade"},
    {u"Grenade 1", Kind::KeyBind, u"cmd grenade1"},
    {u"Grenade 2", Kind::KeyBind, u"cmd grenade2"},
    {u"Grenade 3", Kind::KeyBind, u"cmd grenade 3"},
    {u"Help", Kind::KeyBind, u"cmd help"},
    {u"Play Sound", Kind::KeyBind, u"cmd wfplay //Soundname"},
    {u"Play Team Sound", Kind::KeyBind, u"cmd wfteamplay //Soundname"},
    {u"Show Class", Kind::KeyBind, u"cmd showclass"},
    {u"Show Players", Kind::KeyBind, u"cmd showplayers"},
    {u"Vote", Kind::KeyBind, u"cmd vote"},
    {u"Zoom View", Kind::KeyBind, u"+rzoom"},
};

constexpr ModCommand kOsp[] = {
    {u"Hook/Grapple", Kind::KeyBind, u"+button5"},
    {u"callvote", Kind::KeyBind, u"callvote"},
    {u"drop", Kind::KeyBind, u"drop"},
    {u"follownext", Kind::KeyBind, u"follownext"},
    {u"followprev", Kind::KeyBind, u"followprev"},
    {u"invite", Kind::KeyBind, u"invite"},
    {u"joincode", Kind::KeyBind, u"joincode"},
    {u"lock", Kind::KeyBind, u"lock"},
    {u"notready", Kind::KeyBind, u"notready"},
    {u"players", Kind::KeyBind, u"players"},
    {u"ready", Kind::KeyBind, u"ready"},
    {u"scores", Kind::KeyBind, u"scores"},
    {u"team", Kind::KeyBind, u"team"},
    {u"teamready", Kind::KeyBind, u"teamready"},
    {u"unlock", Kind::KeyBind, u"unlock"},
    {u"timein", Kind::KeyBind, u"timein"},
    {u"timeout", Kind::KeyBind, u"timeout"},
    kSeparator,
    {u"r_allready", Kind::KeyBind, u"r_allready"},
    {u"r_lock", Kind::KeyBind, u"r_lock"},
    {u"r_map", Kind::KeyBind, u"r_map"},
    {u"r_putblue", Kind::KeyBind, u"r_putblue"},
    {u"r_putred", Kind::KeyBind, u"r_putred"},
    {u"r_unlock", Kind::KeyBind, u"r_unlock"},
};

constexpr ModCommand kOspServer[] = {
    {u"players", Kind::KeyBind, u"players"},
    kSeparator,
    {u"dmflags", Kind::Text, u"set dmflags "},
    {u"g_allowVote", Kind::SetLine, u"set g_allowVote "},
    {u"g_doWarmup", Kind::SetLine, u"set g_doWarmup "},
    {u"g_friendlyFire", Kind::SetLine, u"set g_friendlyFire "},
    {u"g_gametype", Kind::SetLine, u"set g_gametype "},
    {u"g_warmup", Kind::SetLine, u"set g_warmup "},
    {u"map_file", Kind::SetLineOpeningQuote, u"set map_file "},
    {u"match_hurtself", Kind::Text, u"set match_hurtself "},
    {u"mode_start", Kind::Text, u"set mode_start "},
    {u"mode_customfile", Kind::SetLineOpeningQuote, u"set mode_customfile "},
    {u"ref_password", Kind::SetLineOpeningQuote, u"set ref_password "},
    {u"server_motdfile", Kind::SetLineOpeningQuote, u"set server_motdfile "},
    {u"server_motd[1-8]", Kind::MotdLines, {}},
    {u"server_promode", Kind::SetLine, u"set server_promode "},
    {u"server_thrufloors", Kind::SetLine, u"set server_thrufloors "},
    {u"start_armor", Kind::SetLine, u"set start_armor "},
    {u"start_health", Kind::SetLine, u"set start_health "},
    {u"vote_percent", Kind::SetLine, u"set vote_percent "},
};

constexpr ModCommand kOspPlayerFilter[] = {
    {u"banaddr", Kind::TextAndTab, u"banaddr"},
    {u"banpass", Kind::TextAndTab, u"banpass"},
    {u"banplayer", Kind::TextAndTab, u"banplayer"},
    {u"bantag", Kind::TextAndTab, u"bantag"},
};

constexpr ModCommand kRocketArena3[] = {
    {u"MP3 Play", Kind::KeyBind, u"mp3_play"},
    {u"MP3 Pause", Kind::KeyBind, u"mp3_pause"},
    {u"MP3 Play/Pause Toggle", Kind::Mp3Script, {}},
    {u"MP3 Prev", Kind::KeyBind, u"mp3_prev"},
    {u"MP3 Next", Kind::KeyBind, u"mp3_next"},
};

constexpr ModCommand kUrbanTerror[] = {
    {u"Bandage", Kind::KeyBind, u"+button6"},
    {u"Drop Item", Kind::KeyBind, u"ut_itemdrop"},
    {u"Drop Weapon", Kind::KeyBind, u"ut_weapdrop"},
    {u"Fire Mode", Kind::KeyBind, u"+button3"},
    {u"Item Next", Kind::KeyBind, u"ut_itemnext"},
    {u"Item Previous", Kind::KeyBind, u"ut_itemprev"},
    {u"Item Use", Kind::KeyBind, u"ut_itemuse"},
    {u"Open Door", Kind::KeyBind, u"+button7"},
    {u"Radio", Kind::KeyBind, u"ut_radio"},
    {u"Reload", Kind::KeyBind, u"+button5"},
    {u"Scores", Kind::KeyBind, u"+scores"},
    {u"Sprint", Kind::KeyBind, u"+button8"},
    {u"UI - Select Gear", Kind::KeyBind, u"ui_selectgear"},
    {u"UI - Select Team", Kind::KeyBind, u"ui_selectteam"},
    {u"Weapon Toggle", Kind::KeyBind, u"ut_weaptoggle"},
    {u"Zoom In", Kind::KeyBind, u"ut_zoomin"},
    {u"Zoom Out", Kind::KeyBind, u"ut_zoomout"},
    {u"Zoom Reset", Kind::KeyBind, u"ut_zoomreset"},
    kSeparator,
    {u"Ammo Status", Kind::KeyBind, u"say_team I have $bullets"},
    {u"Clips Status", Kind::KeyBind, u"say_team I have $clips"},
    {u"Health Status", Kind::KeyBind, u"say_team I have $health"},
};

constexpr ModCommand kWeaponsFactoryQ3[] = {
    {u"Alarm", Kind::KeyBind, u"alarm"},
    {u"Alt Fire Mode", Kind::KeyBind, u"+button3"},
    {u"Cloak", Kind::KeyBind, u"cloak"},
    {u"Decoy", Kind::KeyBind, u"decoy"},
    {u"Defuse", Kind::KeyBind, u"defuse"},
    {u"Detonate Pipebomb", Kind::KeyBind, u"detpipes"},
    {u"Disguise", Kind::KeyBind, u"disguise"},
    {u"Fly", Kind::KeyBind, u"+button6"},
    {u"Healing Depot", Kind::KeyBind, u"healingdepot"},
    {u"Homing Rockets", Kind::KeyBind, u"homing"},
    {u"Kamikaze", Kind::KeyBind, u"kamikaze"},
    {u"Laser Defense", Kind::KeyBind, u"laserd"},
    {u"Offhand Grapple", Kind::KeyBind, u"+button5"},
    {u"Plasmabomb", Kind::KeyBind, u"plasmabomb <short|medium|long>"},
    {u"Sentry", Kind::KeyBind, u"sentry <build|remove|reload|repair|upgrade>"},
    {u"Supply Depot", Kind::KeyBind, u"supplydepot"},
    kSeparator,
    {u"Drop Ammo/Flag", Kind::KeyBind, u"drop <Ammo Name|Flag>"},
    {u"Play Team Sound", Kind::KeyBind, u"wfteamplay"},
    kSeparator,
    {u"Change Class Menu", Kind::KeyBind, u"changeclass"},
    {u"Change Team Menu", Kind::KeyBind, u"changeteam"},
    {u"Radio Menu", Kind::KeyBind, u"radiomenu"},
    {u"Special Menu", Kind::KeyBind, u"special"},
};

struct ModItems {
    core::ModRef mod;
    std::span<const ModCommand> items;
};

// A mod without a row here has no Other items.
constexpr ModItems kModItems[] = {
    {0, kActionQuake},
    {1, kCaptureTheFlag},
    {3, kGxmod},
    {4, kGxmodServer},
    {5, kLithium},
    {9, kRocketArenaServer},
    {11, kWeaponsFactoryQ2},
    {14, kOsp},
    {15, kOspServer},
    {152, kOspPlayerFilter},
    {17, kRocketArena3},
    {19, kUrbanTerror},
    {20, kWeaponsFactoryQ3},
};
// clang-format on

// Only mnuOther1 .. mnuOther24 run commands, and a mod has one list.
constexpr bool listsAreWellFormed()
{
    for (std::size_t i = 0; i < std::size(kModItems); ++i) {
        if (kModItems[i].items.size() > std::size_t(kCommandSlotCount))
            return false;
        for (std::size_t j = 0; j < i; ++j)
            if (kModItems[j].mod.get() == kModItems[i].mod.get())
                return false;
    }
    return true;
}
static_assert(listsAreWellFormed());

} // namespace

std::span<const ModCommand> otherItems(const core::Mod &mod)
{
    for (const ModItems &row : kModItems) {
        if (row.mod.get() == &mod)
            return row.items;
    }
    return {};
}

const ModCommand *findModCommand(int slot, const QString &caption)
{
    if (slot < 1 || slot > kCommandSlotCount || caption == kSeparator.caption)
        return nullptr;
    // Across all mods: a reused window may still show a caption of an earlier layout.
    for (const ModItems &row : kModItems) {
        if (slot <= int(row.items.size()) && caption == row.items[slot - 1].caption)
            return &row.items[slot - 1];
    }
    return nullptr;
}

} // namespace mods
