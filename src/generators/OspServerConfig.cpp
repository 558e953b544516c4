#include "OspServerConfig.h"

#include <array>

namespace generators {

namespace {

using enum OspServerType;

const OspServerTypeRow kTypes[kOspServerTypeCount] = {
    {OneVsOne, "1v1", "OSP 1v1 Server", "set map_file cfg-maps/1v1maps.txt", "map q3tourney1"},
    {ClanArena, "ClanArena", "OSP ClanArena Server", "set map_file cfg-maps/clanarenamaps.txt",
     "map q3dm6"},
    {Ctf, "CTF", "OSP CTF Server", "set map_file cfg-maps/ctfmaps.txt", "map q3ctf1"},
    {FreeForAll, "Free for All", "OSP FFA Server", "set map_file cfg-maps/ffamaps.txt",
     "map q3dm6"},
    {Instagib, "Instagib", "OSP Instagib Server", "set map_file cfg-maps/instagibmaps.txt",
     "map q3dm17"},
    {Team, "Team", "OSP Team Server", "set map_file cfg-maps/teammaps.txt", "map q3dm6"},
};

enum class Block {
    Identity,
    Server,
    Admin,
    Limits,
    Game,
    Arms,
    MapQueue,
    Match,
    ServerOptions,
    Team,
    Hook,
    Vote,
    Files,
    StartMap,
    EmptyLine, // the gap between two blocks
};

// The order of the blocks of each type, gaps included: 1v1 runs game and arms together,
// Instagib has no match block, only ClanArena and Team have the team block, only CTF the hook.
using B = Block;
constexpr Block gap = B::EmptyLine;
// clang-format off
constexpr Block kOneVsOneOrder[] = {
    B::Identity, gap, B::Server, gap, B::Admin, gap, B::Limits, gap,
    B::Game, B::Arms, gap, B::MapQueue, gap, B::Match, gap, B::ServerOptions, gap,
    B::Vote, gap, B::Files, gap, B::StartMap};
constexpr Block kClanArenaOrder[] = {
    B::Identity, gap, B::Server, gap, B::Admin, gap, B::Limits, gap,
    B::Game, gap, B::Arms, gap, B::MapQueue, gap, B::Match, gap, B::ServerOptions, gap,
    B::Team, gap, B::Vote, gap, B::Files, gap, B::StartMap};
constexpr Block kCtfOrder[] = {
    B::Identity, gap, B::Server, gap, B::Admin, gap, B::Limits, gap,
    B::Game, gap, B::Arms, gap, B::MapQueue, gap, B::Match, gap, B::ServerOptions, gap,
    B::Hook, gap, B::Vote, gap, B::Files, gap, B::StartMap};
constexpr Block kFreeForAllOrder[] = {
    B::Identity, gap, B::Server, gap, B::Admin, gap, B::Limits, gap,
    B::Game, gap, B::Arms, gap, B::MapQueue, gap, B::Match, gap, B::ServerOptions, gap,
    B::Vote, gap, B::Files, gap, B::StartMap};
constexpr Block kInstagibOrder[] = {
    B::Identity, gap, B::Server, gap, B::Admin, gap, B::Limits, gap,
    B::Game, gap, B::Arms, gap, B::MapQueue, gap, B::ServerOptions, gap,
    B::Vote, gap, B::Files, gap, B::StartMap};
constexpr Block kTeamOrder[] = {
    B::Identity, gap, B::Server, gap, B::Admin, gap, B::Limits, gap,
    B::Game, gap, B::Arms, gap, B::MapQueue, gap, B::Match, gap, B::ServerOptions, gap,
    B::Team, gap, B::Vote, gap, B::Files, gap, B::StartMap};
// clang-format on

const std::span<const Block> kBlockOrders[kOspServerTypeCount] = {
    kOneVsOneOrder, kClanArenaOrder, kCtfOrder, kFreeForAllOrder, kInstagibOrder, kTeamOrder};

// One row per setting line; the values by type in option button order, nullptr where the type
// has no such line. Within a block the lines keep the order of the rows.
struct SettingRow {
    Block block;
    const char *name;
    std::array<const char *, kOspServerTypeCount> values;
};

constexpr const char *no = nullptr;

// clang-format off
const SettingRow kSettings[] = {
    //                                   1v1      CA      CTF     FFA     Insta   Team
    {B::Server, "bot_enable",            {"0",    "0",    no,     "0",    "0",    "0"}},
    {B::Server, "server_ospauth",        {"1",    "1",    "1",    "1",    "1",    "1"}},
    {B::Server, "sv_allowdownload",      {"1",    "1",    "1",    "1",    "1",    "1"}},
    {B::Server, "sv_floodprotect",       {"0",    "1",    "0",    "1",    "1",    "1"}},
    {B::Server, "sv_maxclients",         {"8",    "14",   "16",   "14",   "14",   "10"}},
    {B::Server, "sv_pure",               {"1",    "1",    "1",    "1",    "1",    "1"}},

    {B::Limits, "mode_start",            {"1",    "5",    "4",    "0",    "0",    "3"}},
    {B::Limits, "fraglimit",             {"15",   "0",    "0",    "30",   "30",   "0"}},
    {B::Limits, "roundlimit",            {no,     "7",    "7",    "0",    no,     "7"}},
    {B::Limits, "timelimit",             {"0",    "0",    "20",   "45",   "20",   "0"}},

    {B::Game, "g_doWarmup",              {"0",    "1",    "1",    no,     "0",    "1"}},
    {B::Game, "g_forcerespawn",          {"10",   no,     no,     no,     no,     no}},
    {B::Game, "g_friendlyFire",          {no,     "1",    "0",    no,     no,     "1"}},
    {B::Game, "g_Inactivity",            {"45",   "0",    "0",    "120",  "60",   "0"}},
    {B::Game, "g_teamAutoJoin",          {no,     no,     "0",    no,     no,     no}},
    {B::Game, "g_warmup",                {no,     "0",    "0",    no,     no,     "0"}},
    {B::Game, "g_weaponrespawn",         {"5",    no,     no,     no,     no,     no}},
    {B::Game, "warmup_armor",            {no,     "100",  "100",  no,     no,     "100"}},

    {B::Arms, "gauntlet_damage",         {"50",   "50",   "50",   "50",   no,     "50"}},
    {B::Arms, "mg_damage",               {"7",    "7",    "7",    "7",    no,     "7"}},
    {B::Arms, "gauntlet_disable",        {no,     no,     no,     no,     "1",    no}},
    {B::Arms, "hook_disable",            {no,     no,     no,     no,     "0",    no}},
    {B::Arms, "hook_enable",             {"0",    "0",    no,     "0",    no,     "0"}},
    {B::Arms, "item_disable",            {"4",    "4",    "0",    "0",    "1023", "4"}},
    {B::Arms, "powerup_disable",         {"255",  "255",  "0",    "0",    "255",  "0"}},
    {B::Arms, "start_armor",             {"0",    "100",  "100",  "0",    "0",    "0"}},
    {B::Arms, "start_bullets",           {"100",  "100",  "100",  "100",  no,     "50"}},
    {B::Arms, "start_health",            {"125",  "125",  "125",  "125",  "100",  "125"}},
    {B::Arms, "weapon_have",             {no,     no,     no,     no,     "32",   no}},
    {B::Arms, "weapon_start",            {"257",  "383",  "257",  "257",  "32",   "257"}},
    {B::Arms, "weapon_deaddrop",         {"1",    "0",    "1",    "1",    "0",    "1"}},

    {B::MapQueue, "map_halt",            {"0",    "0",    "0",    "0",    "0",    "0"}},
    {B::MapQueue, "map_nocount",         {"0",    "0",    "0",    "0",    "0",    "0"}},
    {B::MapQueue, "map_once",            {"1",    "1",    "1",    "1",    "1",    "1"}},
    {B::MapQueue, "map_queue",           {"1",    "1",    "1",    "1",    "1",    "1"}},
    {B::MapQueue, "map_random",          {"0",    "0",    "0",    "0",    "0",    "0"}},
    {B::MapQueue, "map_rotate",          {"0",    "0",    "1",    "1",    "1",    "0"}},

    {B::Match, "match_carespawn",        {no,     "0",    no,     no,     no,     no}},
    {B::Match, "match_cawarmupfire",     {no,     "1",    no,     no,     no,     no}},
    {B::Match, "match_latejoin",         {no,     no,     "0",    no,     no,     no}},
    {B::Match, "match_maxsuicides",      {no,     no,     "0",    no,     no,     no}},
    {B::Match, "match_minplayers",       {no,     "2",    no,     no,     no,     "2"}},
    {B::Match, "match_mutespecs",        {"1",    "1",    no,     "0",    no,     "1"}},
    {B::Match, "match_overtime",         {"0",    "0",    "0",    "0",    no,     "0"}},
    {B::Match, "match_readypercent",     {"100",  "100",  "100",  no,     no,     "100"}},
    {B::Match, "match_roundtimer",       {no,     "10",   "10",   no,     no,     "10"}},
    {B::Match, "match_timeoutcount",     {"1",    "3",    "5",    no,     no,     "3"}},
    {B::Match, "match_timeoutlength",    {no,     no,     "120",  no,     no,     no}},
    {B::Match, "match_winbyscore",       {"0",    no,     no,     no,     no,     no}},

    {B::ServerOptions, "server_fastrail",   {"0", "0",    "0",    "0",    "0",    "0"}},
    {B::ServerOptions, "server_lgcooldown", {"0", "0",    "0",    "0",    no,     "0"}},
    {B::ServerOptions, "server_promode",    {"0", "0",    "0",    "0",    "0",    "0"}},
    {B::ServerOptions, "server_realping",   {"1", "1",    "1",    "1",    "1",    "1"}},
    {B::ServerOptions, "server_thrufloors", {"0", "1",    "1",    "1",    no,     "1"}},

    {B::Team, "team_allcaptain",         {no,     "0",    no,     no,     no,     "0"}},
    {B::Team, "team_armordamage",        {no,     "1",    no,     no,     no,     "1"}},
    {B::Team, "team_noteamready",        {no,     "0",    no,     no,     no,     "0"}},

    {B::Hook, "hook_delaytime",          {no,     no,     "750",  no,     no,     no}},
    {B::Hook, "hook_enable",             {no,     no,     "1",    no,     no,     no}},
    {B::Hook, "hook_holdtime",           {no,     no,     "3",    no,     no,     no}},
    {B::Hook, "hook_sky",                {no,     no,     "0",    no,     no,     no}},
    {B::Hook, "hook_speed",              {no,     no,     "1200", no,     no,     no}},
    {B::Hook, "hook_speedpull",          {no,     no,     "9500", no,     no,     no}},

    {B::Vote, "g_allowVote",                {"1",    "1",    "1",    "1",    "1",    "1"}},
    {B::Vote, "vote_allow_altgraphics",     {"1",    "1",    "1",    "1",    "1",    "1"}},
    {B::Vote, "vote_allow_armordamage",     {"1",    "1",    "1",    "1",    "1",    "1"}},
    {B::Vote, "vote_allow_ca_startrespawn", {no,     "1",    no,     no,     no,     no}},
    {B::Vote, "vote_allow_ca_warmupfire",   {no,     "1",    no,     no,     no,     no}},
    {B::Vote, "vote_allow_capturelimit",    {no,     no,     "1",    no,     no,     no}},
    {B::Vote, "vote_allow_dropitems",       {no,     no,     "1",    no,     no,     no}},
    {B::Vote, "vote_allow_falling",         {"1",    "1",    "1",    "1",    "1",    "1"}},
    {B::Vote, "vote_allow_fastrail",        {"1",    "1",    "1",    "1",    "1",    "1"}},
    {B::Vote, "vote_allow_flood",           {"1",    "1",    "1",    "1",    "1",    "1"}},
    {B::Vote, "vote_allow_fraglimit",       {"1",    "1",    "1",    "1",    "1",    "1"}},
    {B::Vote, "vote_allow_hook",            {"0",    "1",    "1",    "1",    "1",    "1"}},
    {B::Vote, "vote_allow_instagib",        {"1",    "1",    "1",    "1",    "0",    "1"}},
    {B::Vote, "vote_allow_items",           {"1023", "1020", "1023", "1023", "0",    "1023"}},
    {B::Vote, "vote_allow_kick",            {"1",    "1",    "1",    "1",    "1",    "1"}},
    {B::Vote, "vote_allow_lgcooldown",      {"1",    "1",    "1",    "1",    no,     "1"}},
    {B::Vote, "vote_allow_machinegun",      {"1",    "1",    "1",    "1",    no,     "1"}},
    {B::Vote, "vote_allow_map",             {"1",    "1",    "1",    "1",    "1",    "1"}},
    {B::Vote, "vote_allow_mutespecs",       {no,     no,     "1",    no,     no,     no}},
    {B::Vote, "vote_allow_osphud",          {"1",    "1",    "1",    "1",    "1",    "1"}},
    {B::Vote, "vote_allow_overtime",        {"1",    "1",    "1",    no,     no,     "1"}},
    {B::Vote, "vote_allow_powerups",        {"1",    "0",    "1",    "1",    "0",    "0"}},
    {B::Vote, "vote_allow_promode",         {"1",    "1",    "1",    "1",    "1",    "1"}},
    {B::Vote, "vote_allow_pure",            {"1",    "1",    "1",    "1",    "1",    "1"}},
    {B::Vote, "vote_allow_roundlimit",      {no,     "1",    "1",    no,     no,     "1"}},
    {B::Vote, "vote_allow_teamdamage",      {no,     "1",    "1",    no,     no,     "1"}},
    {B::Vote, "vote_allow_thrufloors",      {"1",    "1",    "1",    "1",    "1",    "1"}},
    {B::Vote, "vote_allow_timelimit",       {"1",    "1",    "1",    "1",    "1",    "1"}},
    {B::Vote, "vote_limit",                 {"5",    "5",    "5",    "5",    "5",    "5"}},
    {B::Vote, "vote_percent",               {"100",  "51",   "51",   "51",   "51",   "51"}},
};
// clang-format on

constexpr unsigned typeBit(OspServerType type) { return 1u << unsigned(type); }

// Trailing comments of setting lines; pad is the run of spaces between value and comment.
struct TrailingComment {
    Block block;
    const char *name;
    unsigned types; // typeBit() mask
    int pad;
    const char *comment;
};

const TrailingComment kTrailingComments[] = {
    {B::Game, "g_warmup", typeBit(ClanArena) | typeBit(Ctf) | typeBit(Team), 43,
     "//Warmup will last until all players are ready"},
    {B::Arms, "item_disable", typeBit(OneVsOne), 45, "//BFG disabled"},
    {B::Arms, "item_disable", typeBit(ClanArena) | typeBit(Team), 40, "//BFG disabled"},
    {B::Arms, "item_disable", typeBit(FreeForAll), 40, "//No Weapons disabled"},
    {B::Arms, "item_disable", typeBit(Instagib), 34, "//All weapons disabled"},
    {B::Arms, "powerup_disable", typeBit(OneVsOne) | typeBit(ClanArena) | typeBit(Instagib), 28,
     "//All powerups Disabled"},
    {B::Arms, "powerup_disable", typeBit(FreeForAll) | typeBit(Team), 28,
     "//No powerups Disabled"},
    {B::Arms, "weapon_start", typeBit(OneVsOne), 32, "//Spawn with Machinegun and Gauntlet only"},
    {B::Arms, "weapon_start", typeBit(ClanArena), 32, "//Spawn with all weapons except BFG"},
    {B::Arms, "weapon_start", typeBit(Ctf) | typeBit(FreeForAll) | typeBit(Team), 32,
     "//Spawn with Machinegun and Gauntlet"},
    {B::Arms, "weapon_start", typeBit(Instagib), 32, "//Spawn with Railgun"},
    {B::Vote, "vote_allow_items", typeBit(ClanArena), 20,
     "//Clients can vote on everything except armor and health"},
    {B::Vote, "vote_allow_items", typeBit(FreeForAll) | typeBit(Team), 20,
     "//Clients can vote on everything"},
    {B::Vote, "vote_allow_powerups", typeBit(OneVsOne), 24, "//Allows vote for Quad Damage only"},
};

QString spaces(int count) { return QString(count, QLatin1Char(' ')); }

void addSetting(QList<OspLine> &lines, const QString &text)
{
    lines.append({OspLineKind::Setting, text});
}

void addComment(QList<OspLine> &lines, const QString &text)
{
    lines.append({OspLineKind::Comment, text});
}

// "set name "value"", and when a comment is given, pad spaces and the comment.
void addQuotedSetting(QList<OspLine> &lines, const char *name, const QString &value, int pad = 0,
                      const char *comment = nullptr)
{
    QString text = QStringLiteral("set %1 \"%2\"").arg(QLatin1String(name), value);
    if (comment)
        text += spaces(pad) + QLatin1String(comment);
    addSetting(lines, text);
}

void addIdentityBlock(QList<OspLine> &lines, const OspServerTypeRow &row)
{
    const QString name = QLatin1String(row.serverName);
    // The 1v1 server name is shorter, so its comments are pushed further out to stay aligned.
    const bool oneVsOne = row.type == OneVsOne;
    const int pad1 = oneVsOne ? 12 : 6;
    const int pad2 = oneVsOne ? 16 : 10;
    const int pad3 = oneVsOne ? 35 : 29;

    addQuotedSetting(lines, "sv_hostname", name, pad1,
                     "//This will appear on the server loading screen and server browsers");
    addQuotedSetting(lines, "g_motd", name + QStringLiteral(" Message of the Day"), pad2,
                     "//This will appear on the server loading screen");
    addQuotedSetting(lines, "server_motdfile", QStringLiteral("none"), 26,
                     "//File that contains the MOTD for in-game MOTD display");
    addComment(lines, spaces(68) + QStringLiteral("//This will override any of the following "
                                                  "server_motdX variables if used."));
    addQuotedSetting(lines, "server_motd1", name, pad3,
                     "//These 8 lines will be displayed in the in-game MOTD display");
    addQuotedSetting(lines, "server_motd2", QStringLiteral(" "));
    addQuotedSetting(lines, "server_motd3", QStringLiteral("Welcome to my ") + name);
    addQuotedSetting(lines, "server_motd4", QStringLiteral("Server Admin: "));
    addQuotedSetting(lines, "server_motd5", QStringLiteral("Webpage: "));
    addQuotedSetting(lines, "server_motd6", QStringLiteral("ICQ: "));
    addQuotedSetting(lines, "server_motd7", QString());
    addQuotedSetting(lines, "server_motd8", QString());
}

void addAdminBlock(QList<OspLine> &lines)
{
    addComment(lines, QStringLiteral("// Rcon/Referee/Admin variables"));
    addQuotedSetting(lines, "rconPassword", QStringLiteral("rcon_setitnow"));
    addQuotedSetting(lines, "ref_password", QStringLiteral("ref_setitnow"));
}

void addFilesBlock(QList<OspLine> &lines, const OspServerTypeRow &row)
{
    addQuotedSetting(lines, "filter_file", QStringLiteral("dir/file.txt"), 28,
                     "//Server player filter file");
    addSetting(lines, QLatin1String(row.mapListLine));
}

const TrailingComment *trailingComment(Block block, const char *name, OspServerType type)
{
    for (const TrailingComment &comment : kTrailingComments) {
        if (comment.block == block && (comment.types & typeBit(type)) &&
            qstrcmp(comment.name, name) == 0)
            return &comment;
    }
    return nullptr;
}

void addSettingsBlock(QList<OspLine> &lines, Block block, OspServerType type)
{
    if (block == B::Vote)
        addComment(lines, QStringLiteral("// Vote Settings"));
    for (const SettingRow &row : kSettings) {
        const char *value = row.values[int(type)];
        if (row.block != block || !value)
            continue;
        QString text = QStringLiteral("set %1 %2").arg(QLatin1String(row.name),
                                                        QLatin1String(value));
        if (const TrailingComment *comment = trailingComment(block, row.name, type))
            text += spaces(comment->pad) + QLatin1String(comment->comment);
        addSetting(lines, text);
    }
}

} // namespace

std::span<const OspServerTypeRow> ospServerTypes() { return kTypes; }

const OspServerTypeRow &ospServerTypeRow(OspServerType type) { return kTypes[int(type)]; }

QList<OspLine> ospHeaderLines()
{
    static const char *const header[] = {
        "//",
        "//              OSP Server Template",
        "//",
        "//   Do not use this config without editing it first",
        "//",
        "//",
    };
    QList<OspLine> lines;
    lines.append({OspLineKind::Header, QString(90, QLatin1Char('/'))});
    for (const char *line : header)
        lines.append({OspLineKind::Header, QLatin1String(line)});
    return lines;
}

QList<OspLine> ospServerConfigLines(OspServerType type)
{
    const OspServerTypeRow &row = ospServerTypeRow(type);
    QList<OspLine> lines = ospHeaderLines();
    for (Block block : kBlockOrders[int(type)]) {
        switch (block) {
        case B::Identity:
            addIdentityBlock(lines, row);
            break;
        case B::Admin:
            addAdminBlock(lines);
            break;
        case B::Files:
            addFilesBlock(lines, row);
            break;
        case B::StartMap:
            lines.append({OspLineKind::StartMap, QLatin1String(row.startMapLine)});
            break;
        case B::EmptyLine:
            lines.append({OspLineKind::Empty, QString()});
            break;
        default:
            addSettingsBlock(lines, block, type);
            break;
        }
    }
    return lines;
}

QString ospServerConfigText(OspServerType type)
{
    QString text;
    for (const OspLine &line : ospServerConfigLines(type))
        text += line.withLineEnd();
    return text;
}

} // namespace generators
