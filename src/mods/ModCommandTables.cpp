#include "mods/ModCommands.h"

namespace mods {

namespace {

using Kind = ModCommandKind;

// One table per slot. The number is the mod (core/Mods.h) whose layout shows the caption in
// that slot. Some server rows are Text although they write "set ...": those leave the keyword
// uncoloured.
// clang-format off
constexpr ModCommand kSlot1[] = {
    {u"Action Menu", 11, Kind::KeyBind, u"cmd special"},
    {u"Alarm", 20, Kind::KeyBind, u"alarm"},
    {u"Allow Grapple", 9, Kind::Text, u"grapple: 1;"},
    {u"Alt Weapon Mode", 0, Kind::KeyBind, u"weapon"},
    {u"banaddr", 152, Kind::TextAndTab, u"banaddr"},
    {u"Bandage", 19, Kind::KeyBind, u"+button6"},
    {u"Create Team", 3, Kind::KeyBind, u"team "},
    {u"DM Flags", 4, Kind::Text, u"set dmflags "},
    {u"Drop Flag", 1, Kind::KeyBind, u"drop flag"},
    {u"Drop Rune", 5, Kind::KeyBind, u"drop rune"},
    {u"Hook/Grapple", 14, Kind::KeyBind, u"+button5"},
    {u"MP3 Play", 17, Kind::KeyBind, u"mp3_play"},
    {u"players", 15, Kind::KeyBind, u"players"},
};

constexpr ModCommand kSlot2[] = {
    {u"Allowed Weapons", 9, Kind::Text, u"weapons: 2 3 4 5 6 7 8 9 0;"},
    {u"Alt Fire Mode", 20, Kind::KeyBind, u"+button3"},
    {u"Bandage", 0, Kind::KeyBind, u"bandage"},
    {u"banpass", 152, Kind::TextAndTab, u"banpass"},
    {u"callvote", 14, Kind::KeyBind, u"callvote"},
    {u"Drop Item", 19, Kind::KeyBind, u"ut_itemdrop"},
    {u"Grapple", 1, Kind::KeyBind, u"use grapple"},
    {u"Homing Rockets", 11, Kind::KeyBind, u"cmd homing"},
    {u"Hook", 5, Kind::KeyBind, u"+hook"},
    {u"Join Team", 3, Kind::KeyBind, u"join "},
    {u"MP3 Pause", 17, Kind::KeyBind, u"mp3_pause"},
    {u"Powerup Flags", 4, Kind::SetLine, u"set powerupflags "},
};

constexpr ModCommand kSlot3[] = {
    // Same "key: value;" arena line as its neighbours.
    {u"Armor Protect", 9, Kind::Text, u"armorprotect: 1;"},
    {u"banplayer", 152, Kind::TextAndTab, u"banplayer"},
    {u"Change Class", 11, Kind::KeyBind, u"cmd changeclass"},
    {u"Cloak", 20, Kind::KeyBind, u"cloak"},
    {u"dmflags", 15, Kind::Text, u"set dmflags "},
    {u"drop", 14, Kind::KeyBind, u"drop"},
    {u"Drop Item", 0, Kind::KeyBind, u"drop item"},
    {u"Drop Weapon", 19, Kind::KeyBind, u"ut_weapdrop"},
    {u"Lock Team", 3, Kind::KeyBind, u"lockteam"},
    {u"MP3 Play/Pause Toggle", 17, Kind::Mp3Script, {}},
    {u"Offhand Grapple", 1, Kind::KeyBind, u"+hook"},
    {u"Weap Flags", 4, Kind::SetLine, u"set weapflags "},
};

constexpr ModCommand kSlot4[] = {
    {u"bantag", 152, Kind::TextAndTab, u"bantag"},
    {u"Competition Mode", 9, Kind::Text, u"competitionmode: 1;"},
    {u"Create Decoy", 11, Kind::KeyBind, u"cmd decoy"},
    {u"Decoy", 20, Kind::KeyBind, u"decoy"},
    {u"Drop Weapon", 0, Kind::KeyBind, u"drop weapon"},
    {u"FFA Powerup Flags", 4, Kind::SetLine, u"set powerupflags_ffa "},
    {u"Fire Mode", 19, Kind::KeyBind, u"+button3"},
    {u"follownext", 14, Kind::KeyBind, u"follownext"},
    {u"g_allowVote", 15, Kind::SetLine, u"set g_allowVote "},
    {u"MP3 Prev", 17, Kind::KeyBind, u"mp3_prev"},
    {u"play_team", 1, Kind::TeamSoundBind, {}},
    {u"Ready Team", 3, Kind::KeyBind, u"readyteam"},
};

constexpr ModCommand kSlot5[] = {
    {u"Damage Scoring", 9, Kind::Text, u"damagescoring: 0;"},
    {u"Defuse", 20, Kind::KeyBind, u"defuse"},
    {u"FFA Weap Flags", 4, Kind::SetLine, u"set weapflags_ffa "},
    {u"Fly", 11, Kind::KeyBind, u"+thrust"},
    {u"followprev", 14, Kind::KeyBind, u"followprev"},
    {u"g_doWarmup", 15, Kind::SetLine, u"set g_doWarmup "},
    {u"Item Next", 19, Kind::KeyBind, u"ut_itemnext"},
    {u"MP3 Next", 17, Kind::KeyBind, u"mp3_next"},
    {u"Open Door", 0, Kind::KeyBind, u"opendoor"},
    {u"Rename Team", 3, Kind::KeyBind, u"teamname "},
};

constexpr ModCommand kSlot6[] = {
    {u"Armor (%a)", 1, Kind::KeyBind, u"%a"},
    {u"Detonate Pipebomb", 20, Kind::KeyBind, u"detpipes"},
    {u"Falling Damage", 9, Kind::Text, u"fallingdamage: 1;"},
    {u"g_friendlyFire", 15, Kind::SetLine, u"set g_friendlyFire "},
    {u"Grapple", 11, Kind::KeyBind, u"cmd grapple"},
    {u"invite", 14, Kind::KeyBind, u"invite"},
    {u"Item Previous", 19, Kind::KeyBind, u"ut_itemprev"},
    {u"Practice Weap Flags", 4, Kind::SetLine, u"set weapflags_prac "},
    {u"Reload", 0, Kind::KeyBind, u"reload"},
};

constexpr ModCommand kSlot7[] = {
    {u"Disguise", 20, Kind::KeyBind, u"disguise"},
    {u"Fast Weapon Switch", 9, Kind::Text, u"fastswitch: 1;"},
    {u"g_gametype", 15, Kind::SetLine, u"set g_gametype "},
    {u"Grenade", 11, Kind::KeyBind, u"cmd grenade"},
    {u"Health (%h)", 1, Kind::KeyBind, u"%h"},
    {u"Item Use", 19, Kind::KeyBind, u"ut_itemuse"},
    {u"joincode", 14, Kind::KeyBind, u"joincode"},
    {u"Not Ready", 3, Kind::KeyBind, u"notready"},
    {u"Sniper", 0, Kind::KeyBind, u"sniper"},
    {u"Team Powerup Flags", 4, Kind::SetLine, u"set powerupflags_team "},
};

constexpr ModCommand kSlot8[] = {
    {u"Fly", 20, Kind::KeyBind, u"+button6"},
    {u"g_warmup", 15, Kind::SetLine, u"set g_warmup "},
    {u"Grenade 1", 11, Kind::KeyBind, u"cmd grenade1"},
    {u"Health Protect", 9, Kind::Text, u"healthprotect: 2;"},
    {u"Location (%l)", 1, Kind::KeyBind, u"%l"},
    {u"lock", 14, Kind::KeyBind, u"lock"},
    {u"Open Door", 19, Kind::KeyBind, u"+button7"},
    {u"Ready", 3, Kind::KeyBind, u"ready"},
    {u"Team Weap Flags", 4, Kind::SetLine, u"set weapflags_team "},
};

constexpr ModCommand kSlot9[] = {
    {u"2nd Pistol", 0, Kind::KeyBind, u"use a 2nd pistol"},
    {u"Current viewed opponent (%n)", 1, Kind::KeyBind, u"%n"},
    {u"Grenade 2", 11, Kind::KeyBind, u"cmd grenade2"},
    {u"Healing Depot", 20, Kind::KeyBind, u"healingdepot"},
    {u"Lock Arena", 9, Kind::Text, u"lockarena: 0;"},
    {u"map_file", 15, Kind::SetLineOpeningQuote, u"set map_file "},
    {u"notready", 14, Kind::KeyBind, u"notready"},
    {u"Radio", 19, Kind::KeyBind, u"ut_radio"},
};

constexpr ModCommand kSlot10[] = {
    {u"Admin Password", 4, Kind::TextOpeningQuote, u"set adminpw "},
    {u"Combat Knife", 0, Kind::KeyBind, u"use Combat Knife"},
    {u"Grenade 3", 11, Kind::KeyBind, u"cmd grenade 3"},
    {u"Homing Rockets", 20, Kind::KeyBind, u"homing"},
    {u"Kickplayer", 3, Kind::KeyBind, u"kickplayer "},
    {u"match_hurtself", 15, Kind::Text, u"set match_hurtself "},
    {u"Max Teams", 9, Kind::Text, u"max_teams: 2;"},
    {u"players", 14, Kind::KeyBind, u"players"},
    {u"Reload", 19, Kind::KeyBind, u"+button5"},
    {u"Tech (%t)", 1, Kind::KeyBind, u"%t"},
};

constexpr ModCommand kSlot11[] = {
    {u"Countdown Duration", 4, Kind::Text, u"set countdown duration "},
    {u"Handcannon", 0, Kind::KeyBind, u"use Handcannon"},
    {u"Help", 11, Kind::KeyBind, u"cmd help"},
    {u"Kamikaze", 20, Kind::KeyBind, u"kamikaze"},
    {u"Maximum Ping", 9, Kind::Text, u"maxping: 300;"},
    {u"mode_start", 15, Kind::Text, u"set mode_start "},
    {u"Pickplayer", 3, Kind::KeyBind, u"pickplayer "},
    {u"ready", 14, Kind::KeyBind, u"ready"},
    {u"Scores", 19, Kind::KeyBind, u"+scores"},
};

constexpr ModCommand kSlot12[] = {
    {u"Fraglimit", 4, Kind::SetLine, u"set fraglimit "},
    {u"Laser Defense", 20, Kind::KeyBind, u"laserd"},
    {u"M26 Fragmentation Grenade", 0, Kind::KeyBind, u"use M26 Fragmentation Grenade"},
    {u"Minimum Ping", 9, Kind::Text, u"minping: 20;"},
    {u"mode_customfile", 15, Kind::SetLineOpeningQuote, u"set mode_customfile "},
    {u"Play Sound", 11, Kind::KeyBind, u"cmd wfplay //Soundname"},
    {u"scores", 14, Kind::KeyBind, u"scores"},
    {u"Sprint", 19, Kind::KeyBind, u"+button8"},
};

constexpr ModCommand kSlot13[] = {
    {u"Host Name", 4, Kind::SetLineOpeningQuote, u"set hostname "},
    {u"Last Score", 3, Kind::KeyBind, u"lscore"},
    {u"M3 Assault Shotgun", 0, Kind::KeyBind, u"use M3 Super 90 Assault Shotgun"},
    {u"Offhand Grapple", 20, Kind::KeyBind, u"+button5"},
    {u"Pickup", 9, Kind::Text, u"pickup: 0;"},
    {u"Play Team Sound", 11, Kind::KeyBind, u"cmd wfteamplay //Soundname"},
    {u"ref_password", 15, Kind::SetLineOpeningQuote, u"set ref_password "},
    {u"team", 14, Kind::KeyBind, u"team"},
    {u"UI - Select Gear", 19, Kind::KeyBind, u"ui_selectgear"},
};

constexpr ModCommand kSlot14[] = {
    {u"M4 Assault Rifle", 0, Kind::KeyBind, u"use M4 Assault Rifle"},
    {u"Map List", 4, Kind::SetLine, u"set sv_maplist "},
    {u"Plasmabomb", 20, Kind::KeyBind, u"plasmabomb <short|medium|long>"},
    {u"Players Per Team", 9, Kind::Text, u"playersperteam: 4;"},
    {u"server_motdfile", 15, Kind::SetLineOpeningQuote, u"set server_motdfile "},
    {u"Show Class", 11, Kind::KeyBind, u"cmd showclass"},
    {u"Split Score", 3, Kind::KeyBind, u"sscore"},
    {u"teamready", 14, Kind::KeyBind, u"teamready"},
    {u"UI - Select Team", 19, Kind::KeyBind, u"ui_selectteam"},
};

constexpr ModCommand kSlot15[] = {
    {u"Mark 23 Pistol", 0, Kind::KeyBind, u"use Mark 23 pistol"},
    {u"Max Team Players", 4, Kind::SetLine, u"set max_team_players "},
    {u"Rounds", 9, Kind::Text, u"rounds: 5;"},
    {u"Sentry", 20, Kind::KeyBind, u"sentry <build|remove|reload|repair|upgrade>"},
    {u"server_motd[1-8]", 15, Kind::MotdLines, {}},
    {u"Show Players", 11, Kind::KeyBind, u"cmd showplayers"},
    {u"unlock", 14, Kind::KeyBind, u"unlock"},
    {u"Weapon Toggle", 19, Kind::KeyBind, u"ut_weaptoggle"},
};

constexpr ModCommand kSlot16[] = {
    {u"Chasecam", 3, Kind::KeyBind, u"chasecam"},
    {u"Maxclients", 4, Kind::SetLine, u"set maxclients "},
    {u"MP5 Submachinegun", 0, Kind::KeyBind, u"use MP5/10 Submachinegun"},
    {u"server_promode", 15, Kind::SetLine, u"set server_promode "},
    {u"Starting Armor", 9, Kind::Text, u"armor: 100;"},
    {u"Supply Depot", 20, Kind::KeyBind, u"supplydepot"},
    {u"timein", 14, Kind::KeyBind, u"timein"},
    {u"Vote", 11, Kind::KeyBind, u"cmd vote"},
    {u"Zoom In", 19, Kind::KeyBind, u"ut_zoomin"},
};

constexpr ModCommand kSlot17[] = {
    {u"Next Target", 3, Kind::KeyBind, u"nexttarg"},
    {u"Overtime Duration", 4, Kind::SetLine, u"set overtime_duration "},
    {u"server_thrufloors", 15, Kind::SetLine, u"set server_thrufloors "},
    {u"Sniper Rifle", 0, Kind::KeyBind, u"use Sniper Rifle"},
    {u"Starting Bullets", 9, Kind::Text, u"bullets: 150;"},
    {u"timeout", 14, Kind::KeyBind, u"timeout"},
    {u"Zoom Out", 19, Kind::KeyBind, u"ut_zoomout"},
    {u"Zoom View", 11, Kind::KeyBind, u"+rzoom"},
};

constexpr ModCommand kSlot18[] = {
    {u"Drop Ammo/Flag", 20, Kind::KeyBind, u"drop <Ammo Name|Flag>"},
    {u"Next View", 3, Kind::KeyBind, u"nextview"},
    {u"Overtime Mode", 4, Kind::SetLine, u"set overtime_mode "},
    {u"start_armor", 15, Kind::SetLine, u"set start_armor "},
    {u"Starting Cells", 9, Kind::Text, u"cells: 75;"},
    {u"Use Special Weapon", 0, Kind::KeyBind, u"use special"},
    {u"Zoom Reset", 19, Kind::KeyBind, u"ut_zoomreset"},
};

constexpr ModCommand kSlot19[] = {
    {u"Observer", 3, Kind::KeyBind, u"observer"},
    {u"Password", 4, Kind::SetLineOpeningQuote, u"set password "},
    {u"Play Team Sound", 20, Kind::KeyBind, u"wfteamplay"},
    {u"r_allready", 14, Kind::KeyBind, u"r_allready"},
    {u"start_health", 15, Kind::SetLine, u"set start_health "},
    {u"Starting Grenades", 9, Kind::Text, u"grenades: 10;"},
};

constexpr ModCommand kSlot20[] = {
    {u"Ammo Status", 19, Kind::KeyBind, u"say_team I have $bullets"},
    {u"Player", 3, Kind::KeyBind, u"player"},
    {u"r_lock", 14, Kind::KeyBind, u"r_lock"},
    {u"RCon Password", 4, Kind::SetLineOpeningQuote, u"set rcon_password "},
    {u"Starting Health", 9, Kind::Text, u"health: 100;"},
    {u"vote_percent", 15, Kind::SetLine, u"set vote_percent "},
};

constexpr ModCommand kSlot21[] = {
    {u"Change Class Menu", 20, Kind::KeyBind, u"changeclass"},
    {u"Clips Status", 19, Kind::KeyBind, u"say_team I have $clips"},
    {u"r_map", 14, Kind::KeyBind, u"r_map"},
    {u"Server Startup Map", 4, Kind::Text, u"map "},
    {u"Starting Rockets", 9, Kind::Text, u"rockets: 50;"},
};

constexpr ModCommand kSlot22[] = {
    {u"Change Team Menu", 20, Kind::KeyBind, u"changeteam"},
    {u"Health Status", 19, Kind::KeyBind, u"say_team I have $health"},
    {u"r_putblue", 14, Kind::KeyBind, u"r_putblue"},
    {u"Starting Shells", 9, Kind::Text, u"shells: 40;"},
    {u"Timelimit", 4, Kind::SetLine, u"set timelimit "},
};

constexpr ModCommand kSlot23[] = {
    {u"r_putred", 14, Kind::KeyBind, u"r_putred"},
    {u"Radio Menu", 20, Kind::KeyBind, u"radiomenu"},
    {u"Starting Slugs", 9, Kind::Text, u"slugs: 25;"},
    {u"Timeout Duration", 4, Kind::SetLine, u"set timeout_duration "},
};

constexpr ModCommand kSlot24[] = {
    {u"r_unlock", 14, Kind::KeyBind, u"r_unlock"},
    {u"Special Menu", 20, Kind::KeyBind, u"special"},
    {u"Vote Tries", 9, Kind::Text, u"votetries: 5;"},
};
// clang-format on

constexpr std::span<const ModCommand> kSlotTables[kCommandSlotCount] = {
    kSlot1,  kSlot2,  kSlot3,  kSlot4,  kSlot5,  kSlot6,  kSlot7,  kSlot8,
    kSlot9,  kSlot10, kSlot11, kSlot12, kSlot13, kSlot14, kSlot15, kSlot16,
    kSlot17, kSlot18, kSlot19, kSlot20, kSlot21, kSlot22, kSlot23, kSlot24,
};

} // namespace

std::span<const ModCommand> modCommandTable(int slot)
{
    if (slot < 1 || slot > kCommandSlotCount)
        return {};
    return kSlotTables[slot - 1];
}

} // namespace mods
