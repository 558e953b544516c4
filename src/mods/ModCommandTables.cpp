#include "mods/ModCommands.h"

namespace mods {

namespace {

using Kind = ModCommandKind;

// One table per slot. The mod name is the layout that shows the caption in that slot. Some
// server rows are Text although they write "set ...": those leave the keyword uncoloured.
// clang-format off
constexpr ModCommand kSlot1[] = {
    {u"Action Menu", u"Weapons factory", Kind::KeyBind, u"cmd special"},
    {u"Alarm", u"Weapons Factory", Kind::KeyBind, u"alarm"},
    {u"Allow Grapple", u"Rocket arena Server", Kind::Text, u"grapple: 1;"},
    {u"Alt Weapon Mode", u"Action Quake", Kind::KeyBind, u"weapon"},
    {u"banaddr", u"OSP Server Player Filter", Kind::TextAndTab, u"banaddr"},
    {u"Bandage", u"Urban Terror", Kind::KeyBind, u"+button6"},
    {u"Create Team", u"Gxmod", Kind::KeyBind, u"team "},
    {u"DM Flags", u"Gxmod Server", Kind::Text, u"set dmflags "},
    {u"Drop Flag", u"Capture the flag", Kind::KeyBind, u"drop flag"},
    {u"Drop Rune", u"Lithium", Kind::KeyBind, u"drop rune"},
    {u"Hook/Grapple", u"OSP", Kind::KeyBind, u"+button5"},
    {u"MP3 Play", u"Rocket Arena", Kind::KeyBind, u"mp3_play"},
    {u"players", u"OSP Server", Kind::KeyBind, u"players"},
};

constexpr ModCommand kSlot2[] = {
    {u"Allowed Weapons", u"Rocket arena Server", Kind::Text, u"weapons: 2 3 4 5 6 7 8 9 0;"},
    {u"Alt Fire Mode", u"Weapons Factory", Kind::KeyBind, u"+button3"},
    {u"Bandage", u"Action Quake", Kind::KeyBind, u"bandage"},
    {u"banpass", u"OSP Server Player Filter", Kind::TextAndTab, u"banpass"},
    {u"callvote", u"OSP", Kind::KeyBind, u"callvote"},
    {u"Drop Item", u"Urban Terror", Kind::KeyBind, u"ut_itemdrop"},
    {u"Grapple", u"Capture the flag", Kind::KeyBind, u"use grapple"},
    {u"Homing Rockets", u"Weapons factory", Kind::KeyBind, u"cmd homing"},
    {u"Hook", u"Lithium", Kind::KeyBind, u"+hook"},
    {u"Join Team", u"Gxmod", Kind::KeyBind, u"join "},
    {u"MP3 Pause", u"Rocket Arena", Kind::KeyBind, u"mp3_pause"},
    {u"Powerup Flags", u"Gxmod Server", Kind::SetLine, u"set powerupflags "},
};

constexpr ModCommand kSlot3[] = {
    // Same "key: value;" arena line as its neighbours.
    {u"Armor Protect", u"Rocket arena Server", Kind::Text, u"armorprotect: 1;"},
    {u"banplayer", u"OSP Server Player Filter", Kind::TextAndTab, u"banplayer"},
    {u"Change Class", u"Weapons factory", Kind::KeyBind, u"cmd changeclass"},
    {u"Cloak", u"Weapons Factory", Kind::KeyBind, u"cloak"},
    {u"dmflags", u"OSP Server", Kind::Text, u"set dmflags "},
    {u"drop", u"OSP", Kind::KeyBind, u"drop"},
    {u"Drop Item", u"Action Quake", Kind::KeyBind, u"drop item"},
    {u"Drop Weapon", u"Urban Terror", Kind::KeyBind, u"ut_weapdrop"},
    {u"Lock Team", u"Gxmod", Kind::KeyBind, u"lockteam"},
    {u"MP3 Play/Pause Toggle", u"Rocket Arena", Kind::Mp3Script, {}},
    {u"Offhand Grapple", u"Capture the flag", Kind::KeyBind, u"+hook"},
    {u"Weap Flags", u"Gxmod Server", Kind::SetLine, u"set weapflags "},
};

constexpr ModCommand kSlot4[] = {
    {u"bantag", u"OSP Server Player Filter", Kind::TextAndTab, u"bantag"},
    {u"Competition Mode", u"Rocket arena Server", Kind::Text, u"competitionmode: 1;"},
    {u"Create Decoy", u"Weapons factory", Kind::KeyBind, u"cmd decoy"},
    {u"Decoy", u"Weapons Factory", Kind::KeyBind, u"decoy"},
    {u"Drop Weapon", u"Action Quake", Kind::KeyBind, u"drop weapon"},
    {u"FFA Powerup Flags", u"Gxmod Server", Kind::SetLine, u"set powerupflags_ffa "},
    {u"Fire Mode", u"Urban Terror", Kind::KeyBind, u"+button3"},
    {u"follownext", u"OSP", Kind::KeyBind, u"follownext"},
    {u"g_allowVote", u"OSP Server", Kind::SetLine, u"set g_allowVote "},
    {u"MP3 Prev", u"Rocket Arena", Kind::KeyBind, u"mp3_prev"},
    {u"play_team", u"Capture the flag", Kind::TeamSoundBind, {}},
    {u"Ready Team", u"Gxmod", Kind::KeyBind, u"readyteam"},
};

constexpr ModCommand kSlot5[] = {
    {u"Damage Scoring", u"Rocket arena Server", Kind::Text, u"damagescoring: 0;"},
    {u"Defuse", u"Weapons Factory", Kind::KeyBind, u"defuse"},
    {u"FFA Weap Flags", u"Gxmod Server", Kind::SetLine, u"set weapflags_ffa "},
    {u"Fly", u"Weapons factory", Kind::KeyBind, u"+thrust"},
    {u"followprev", u"OSP", Kind::KeyBind, u"followprev"},
    {u"g_doWarmup", u"OSP Server", Kind::SetLine, u"set g_doWarmup "},
    {u"Item Next", u"Urban Terror", Kind::KeyBind, u"ut_itemnext"},
    {u"MP3 Next", u"Rocket Arena", Kind::KeyBind, u"mp3_next"},
    {u"Open Door", u"Action Quake", Kind::KeyBind, u"opendoor"},
    {u"Rename Team", u"Gxmod", Kind::KeyBind, u"teamname "},
};

constexpr ModCommand kSlot6[] = {
    {u"Armor (%a)", u"Capture the flag", Kind::KeyBind, u"%a"},
    {u"Detonate Pipebomb", u"Weapons Factory", Kind::KeyBind, u"detpipes"},
    {u"Falling Damage", u"Rocket arena Server", Kind::Text, u"fallingdamage: 1;"},
    {u"g_friendlyFire", u"OSP Server", Kind::SetLine, u"set g_friendlyFire "},
    {u"Grapple", u"Weapons factory", Kind::KeyBind, u"cmd grapple"},
    {u"invite", u"OSP", Kind::KeyBind, u"invite"},
    {u"Item Previous", u"Urban Terror", Kind::KeyBind, u"ut_itemprev"},
    {u"Practice Weap Flags", u"Gxmod Server", Kind::SetLine, u"set weapflags_prac "},
    {u"Reload", u"Action Quake", Kind::KeyBind, u"reload"},
};

constexpr ModCommand kSlot7[] = {
    {u"Disguise", u"Weapons Factory", Kind::KeyBind, u"disguise"},
    {u"Fast Weapon Switch", u"Rocket arena Server", Kind::Text, u"fastswitch: 1;"},
    {u"g_gametype", u"OSP Server", Kind::SetLine, u"set g_gametype "},
    {u"Grenade", u"Weapons factory", Kind::KeyBind, u"cmd grenade"},
    {u"Health (%h)", u"Capture the flag", Kind::KeyBind, u"%h"},
    {u"Item Use", u"Urban Terror", Kind::KeyBind, u"ut_itemuse"},
    {u"joincode", u"OSP", Kind::KeyBind, u"joincode"},
    {u"Not Ready", u"Gxmod", Kind::KeyBind, u"notready"},
    {u"Sniper", u"Action Quake", Kind::KeyBind, u"sniper"},
    {u"Team Powerup Flags", u"Gxmod Server", Kind::SetLine, u"set powerupflags_team "},
};

constexpr ModCommand kSlot8[] = {
    {u"Fly", u"Weapons Factory", Kind::KeyBind, u"+button6"},
    {u"g_warmup", u"OSP Server", Kind::SetLine, u"set g_warmup "},
    {u"Grenade 1", u"Weapons factory", Kind::KeyBind, u"cmd grenade1"},
    {u"Health Protect", u"Rocket arena Server", Kind::Text, u"healthprotect: 2;"},
    {u"Location (%l)", u"Capture the flag", Kind::KeyBind, u"%l"},
    {u"lock", u"OSP", Kind::KeyBind, u"lock"},
    {u"Open Door", u"Urban Terror", Kind::KeyBind, u"+button7"},
    {u"Ready", u"Gxmod", Kind::KeyBind, u"ready"},
    {u"Team Weap Flags", u"Gxmod Server", Kind::SetLine, u"set weapflags_team "},
};

constexpr ModCommand kSlot9[] = {
    {u"2nd Pistol", u"Action Quake", Kind::KeyBind, u"use a 2nd pistol"},
    {u"Current viewed opponent (%n)", u"Capture the flag", Kind::KeyBind, u"%n"},
    {u"Grenade 2", u"Weapons factory", Kind::KeyBind, u"cmd grenade2"},
    {u"Healing Depot", u"Weapons Factory", Kind::KeyBind, u"healingdepot"},
    {u"Lock Arena", u"Rocket arena Server", Kind::Text, u"lockarena: 0;"},
    {u"map_file", u"OSP Server", Kind::SetLineOpeningQuote, u"set map_file "},
    {u"notready", u"OSP", Kind::KeyBind, u"notready"},
    {u"Radio", u"Urban Terror", Kind::KeyBind, u"ut_radio"},
};

constexpr ModCommand kSlot10[] = {
    {u"Admin Password", u"Gxmod Server", Kind::TextOpeningQuote, u"set adminpw "},
    {u"Combat Knife", u"Action Quake", Kind::KeyBind, u"use Combat Knife"},
    {u"Grenade 3", u"Weapons factory", Kind::KeyBind, u"cmd grenade 3"},
    {u"Homing Rockets", u"Weapons Factory", Kind::KeyBind, u"homing"},
    {u"Kickplayer", u"Gxmod", Kind::KeyBind, u"kickplayer "},
    {u"match_hurtself", u"OSP Server", Kind::Text, u"set match_hurtself "},
    {u"Max Teams", u"Rocket arena Server", Kind::Text, u"max_teams: 2;"},
    {u"players", u"OSP", Kind::KeyBind, u"players"},
    {u"Reload", u"Urban Terror", Kind::KeyBind, u"+button5"},
    {u"Tech (%t)", u"Capture the flag", Kind::KeyBind, u"%t"},
};

constexpr ModCommand kSlot11[] = {
    {u"Countdown Duration", u"Gxmod Server", Kind::Text, u"set countdown duration "},
    {u"Handcannon", u"Action Quake", Kind::KeyBind, u"use Handcannon"},
    {u"Help", u"Weapons factory", Kind::KeyBind, u"cmd help"},
    {u"Kamikaze", u"Weapons Factory", Kind::KeyBind, u"kamikaze"},
    {u"Maximum Ping", u"Rocket arena Server", Kind::Text, u"maxping: 300;"},
    {u"mode_start", u"OSP Server", Kind::Text, u"set mode_start "},
    {u"Pickplayer", u"Gxmod", Kind::KeyBind, u"pickplayer "},
    {u"ready", u"OSP", Kind::KeyBind, u"ready"},
    {u"Scores", u"Urban Terror", Kind::KeyBind, u"+scores"},
};

constexpr ModCommand kSlot12[] = {
    {u"Fraglimit", u"Gxmod Server", Kind::SetLine, u"set fraglimit "},
    {u"Laser Defense", u"Weapons Factory", Kind::KeyBind, u"laserd"},
    {u"M26 Fragmentation Grenade", u"Action Quake", Kind::KeyBind, u"use M26 Fragmentation Grenade"},
    {u"Minimum Ping", u"Rocket arena Server", Kind::Text, u"minping: 20;"},
    {u"mode_customfile", u"OSP Server", Kind::SetLineOpeningQuote, u"set mode_customfile "},
    {u"Play Sound", u"Weapons factory", Kind::KeyBind, u"cmd wfplay //Soundname"},
    {u"scores", u"OSP", Kind::KeyBind, u"scores"},
    {u"Sprint", u"Urban Terror", Kind::KeyBind, u"+button8"},
};

constexpr ModCommand kSlot13[] = {
    {u"Host Name", u"Gxmod Server", Kind::SetLineOpeningQuote, u"set hostname "},
    {u"Last Score", u"Gxmod", Kind::KeyBind, u"lscore"},
    {u"M3 Assault Shotgun", u"Action Quake", Kind::KeyBind, u"use M3 Super 90 Assault Shotgun"},
    {u"Offhand Grapple", u"Weapons Factory", Kind::KeyBind, u"+button5"},
    {u"Pickup", u"Rocket arena Server", Kind::Text, u"pickup: 0;"},
    {u"Play Team Sound", u"Weapons factory", Kind::KeyBind, u"cmd wfteamplay //Soundname"},
    {u"ref_password", u"OSP Server", Kind::SetLineOpeningQuote, u"set ref_password "},
    {u"team", u"OSP", Kind::KeyBind, u"team"},
    {u"UI - Select Gear", u"Urban Terror", Kind::KeyBind, u"ui_selectgear"},
};

constexpr ModCommand kSlot14[] = {
    {u"M4 Assault Rifle", u"Action Quake", Kind::KeyBind, u"use M4 Assault Rifle"},
    {u"Map List", u"Gxmod Server", Kind::SetLine, u"set sv_maplist "},
    {u"Plasmabomb", u"Weapons Factory", Kind::KeyBind, u"plasmabomb <short|medium|long>"},
    {u"Players Per Team", u"Rocket arena Server", Kind::Text, u"playersperteam: 4;"},
    {u"server_motdfile", u"OSP Server", Kind::SetLineOpeningQuote, u"set server_motdfile "},
    {u"Show Class", u"Weapons factory", Kind::KeyBind, u"cmd showclass"},
    {u"Split Score", u"Gxmod", Kind::KeyBind, u"sscore"},
    {u"teamready", u"OSP", Kind::KeyBind, u"teamready"},
    {u"UI - Select Team", u"Urban Terror", Kind::KeyBind, u"ui_selectteam"},
};

constexpr ModCommand kSlot15[] = {
    {u"Mark 23 Pistol", u"Action Quake", Kind::KeyBind, u"use Mark 23 pistol"},
    {u"Max Team Players", u"Gxmod Server", Kind::SetLine, u"set max_team_players "},
    {u"Rounds", u"Rocket arena Server", Kind::Text, u"rounds: 5;"},
    {u"Sentry", u"Weapons Factory", Kind::KeyBind, u"sentry <build|remove|reload|repair|upgrade>"},
    {u"server_motd[1-8]", u"OSP Server", Kind::MotdLines, {}},
    {u"Show Players", u"Weapons factory", Kind::KeyBind, u"cmd showplayers"},
    {u"unlock", u"OSP", Kind::KeyBind, u"unlock"},
    {u"Weapon Toggle", u"Urban Terror", Kind::KeyBind, u"ut_weaptoggle"},
};

constexpr ModCommand kSlot16[] = {
    {u"Chasecam", u"Gxmod", Kind::KeyBind, u"chasecam"},
    {u"Maxclients", u"Gxmod Server", Kind::SetLine, u"set maxclients "},
    {u"MP5 Submachinegun", u"Action Quake", Kind::KeyBind, u"use MP5/10 Submachinegun"},
    {u"server_promode", u"OSP Server", Kind::SetLine, u"set server_promode "},
    {u"Starting Armor", u"Rocket arena Server", Kind::Text, u"armor: 100;"},
    {u"Supply Depot", u"Weapons Factory", Kind::KeyBind, u"supplydepot"},
    {u"timein", u"OSP", Kind::KeyBind, u"timein"},
    {u"Vote", u"Weapons factory", Kind::KeyBind, u"cmd vote"},
    {u"Zoom In", u"Urban Terror", Kind::KeyBind, u"ut_zoomin"},
};

constexpr ModCommand kSlot17[] = {
    {u"Next Target", u"Gxmod", Kind::KeyBind, u"nexttarg"},
    {u"Overtime Duration", u"Gxmod Server", Kind::SetLine, u"set overtime_duration "},
    {u"server_thrufloors", u"OSP Server", Kind::SetLine, u"set server_thrufloors "},
    {u"Sniper Rifle", u"Action Quake", Kind::KeyBind, u"use Sniper Rifle"},
    {u"Starting Bullets", u"Rocket arena Server", Kind::Text, u"bullets: 150;"},
    {u"timeout", u"OSP", Kind::KeyBind, u"timeout"},
    {u"Zoom Out", u"Urban Terror", Kind::KeyBind, u"ut_zoomout"},
    {u"Zoom View", u"Weapons factory", Kind::KeyBind, u"+rzoom"},
};

constexpr ModCommand kSlot18[] = {
    {u"Drop Ammo/Flag", u"Weapons Factory", Kind::KeyBind, u"drop <Ammo Name|Flag>"},
    {u"Next View", u"Gxmod", Kind::KeyBind, u"nextview"},
    {u"Overtime Mode", u"Gxmod Server", Kind::SetLine, u"set overtime_mode "},
    {u"start_armor", u"OSP Server", Kind::SetLine, u"set start_armor "},
    {u"Starting Cells", u"Rocket arena Server", Kind::Text, u"cells: 75;"},
    {u"Use Special Weapon", u"Action Quake", Kind::KeyBind, u"use special"},
    {u"Zoom Reset", u"Urban Terror", Kind::KeyBind, u"ut_zoomreset"},
};

constexpr ModCommand kSlot19[] = {
    {u"Observer", u"Gxmod", Kind::KeyBind, u"observer"},
    {u"Password", u"Gxmod Server", Kind::SetLineOpeningQuote, u"set password "},
    {u"Play Team Sound", u"Weapons Factory", Kind::KeyBind, u"wfteamplay"},
    {u"r_allready", u"OSP", Kind::KeyBind, u"r_allready"},
    {u"start_health", u"OSP Server", Kind::SetLine, u"set start_health "},
    {u"Starting Grenades", u"Rocket arena Server", Kind::Text, u"grenades: 10;"},
};

constexpr ModCommand kSlot20[] = {
    {u"Ammo Status", u"Urban Terror", Kind::KeyBind, u"say_team I have $bullets"},
    {u"Player", u"Gxmod", Kind::KeyBind, u"player"},
    {u"r_lock", u"OSP", Kind::KeyBind, u"r_lock"},
    {u"RCon Password", u"Gxmod Server", Kind::SetLineOpeningQuote, u"set rcon_password "},
    {u"Starting Health", u"Rocket arena Server", Kind::Text, u"health: 100;"},
    {u"vote_percent", u"OSP Server", Kind::SetLine, u"set vote_percent "},
};

constexpr ModCommand kSlot21[] = {
    {u"Change Class Menu", u"Weapons Factory", Kind::KeyBind, u"changeclass"},
    {u"Clips Status", u"Urban Terror", Kind::KeyBind, u"say_team I have $clips"},
    {u"r_map", u"OSP", Kind::KeyBind, u"r_map"},
    {u"Server Startup Map", u"Gxmod Server", Kind::Text, u"map "},
    {u"Starting Rockets", u"Rocket arena Server", Kind::Text, u"rockets: 50;"},
};

constexpr ModCommand kSlot22[] = {
    {u"Change Team Menu", u"Weapons Factory", Kind::KeyBind, u"changeteam"},
    {u"Health Status", u"Urban Terror", Kind::KeyBind, u"say_team I have $health"},
    {u"r_putblue", u"OSP", Kind::KeyBind, u"r_putblue"},
    {u"Starting Shells", u"Rocket arena Server", Kind::Text, u"shells: 40;"},
    {u"Timelimit", u"Gxmod Server", Kind::SetLine, u"set timelimit "},
};

constexpr ModCommand kSlot23[] = {
    {u"r_putred", u"OSP", Kind::KeyBind, u"r_putred"},
    {u"Radio Menu", u"Weapons Factory", Kind::KeyBind, u"radiomenu"},
    {u"Starting Slugs", u"Rocket arena Server", Kind::Text, u"slugs: 25;"},
    {u"Timeout Duration", u"Gxmod Server", Kind::SetLine, u"set timeout_duration "},
};

constexpr ModCommand kSlot24[] = {
    {u"r_unlock", u"OSP", Kind::KeyBind, u"r_unlock"},
    {u"Special Menu", u"Weapons Factory", Kind::KeyBind, u"special"},
    {u"Vote Tries", u"Rocket arena Server", Kind::Text, u"votetries: 5;"},
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
