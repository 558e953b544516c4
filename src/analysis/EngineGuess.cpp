#include "analysis/EngineGuess.h"

#include "core/Mods.h"

#include <QHash>
#include <QRegularExpression>

#include <algorithm>
#include <string_view>

namespace analysis {

namespace {

enum class GameHint { Quake3, Quake2, Either };

constexpr const char *kBaseModKey = "Free for All";

struct FolderHint {
    const char *folder;
    GameHint game;
    int weight;            // a game's own folders outweigh the folders games are installed in
    const char *profileId; // an engine's own folder names the engine; empty: the game's default
    bool isMod;
    const char *modKey;    // nullptr: the folder says nothing about the mod
    const char *serverKey; // the mod's server config, when the text reads like one; or nullptr
};

// Folder names, compared in lower case. Mods Tessel has no lists for get the game's own.
// clang-format off
constexpr FolderHint kFolders[] = {
    {"baseq3",          GameHint::Quake3, 1000, "",        false, nullptr,            nullptr},
    {"missionpack",     GameHint::Quake3, 1000, "",        true,  "Free for All",     nullptr},
    {"osp",             GameHint::Quake3, 1000, "",        true,  "OSP",              "OSP Server"},
    {"cpma",            GameHint::Quake3, 1000, "",        true,  "Free for All",     nullptr},
    {"defrag",          GameHint::Quake3, 1000, "",        true,  "Free for All",     nullptr},
    {"excessiveplus",   GameHint::Quake3, 1000, "",        true,  "Free for All",     nullptr},
    {"q3ut4",           GameHint::Quake3, 1000, "",        true,  "Urban Terror",     nullptr},
    {"q3ut3",           GameHint::Quake3, 1000, "",        true,  "Urban Terror",     nullptr},
    {"wfa",             GameHint::Quake3, 1000, "",        true,  "Weapons Factory",  nullptr},
    {"ioquake3",        GameHint::Quake3, 1000, "ioq3",    false, nullptr,            nullptr},
    {"ioq3",            GameHint::Quake3, 1000, "ioq3",    false, nullptr,            nullptr},
    {"quake3e",         GameHint::Quake3, 1000, "quake3e", false, nullptr,            nullptr},
    {"quake3",          GameHint::Quake3, 100,  "",        false, nullptr,            nullptr},
    {"quake iii arena", GameHint::Quake3, 100,  "",        false, nullptr,            nullptr},
    {".q3a",            GameHint::Quake3, 100,  "",        false, nullptr,            nullptr},
    // Rocket Arena 2 and 3 both live in arena/: the rest of the path or the text tells the game.
    {"arena",           GameHint::Either, 0,    "",        true,  "Rocket Arena",     "Rocket Arena Server"},
    {"baseq2",          GameHint::Quake2, 1000, "",        false, nullptr,            nullptr},
    {"ctf",             GameHint::Quake2, 1000, "",        true,  "Capture the Flag", nullptr},
    {"action",          GameHint::Quake2, 1000, "",        true,  "Action Quake",     nullptr},
    {"lithium",         GameHint::Quake2, 1000, "",        true,  "Lithium",          nullptr},
    {"rocketarena",     GameHint::Quake2, 1000, "",        true,  "Rocket Arena",     "Rocket Arena Server"},
    {"ra2",             GameHint::Quake2, 1000, "",        true,  "Rocket Arena",     "Rocket Arena Server"},
    {"gx",              GameHint::Quake2, 1000, "",        true,  "Gxmod",            "Gxmod Server"},
    {"wf",              GameHint::Quake2, 1000, "",        true,  "Weapons Factory",  nullptr},
    {"opentdm",         GameHint::Quake2, 1000, "",        true,  "Free for All",     nullptr},
    {"xatrix",          GameHint::Quake2, 1000, "",        true,  "Free for All",     nullptr},
    {"rogue",           GameHint::Quake2, 1000, "",        true,  "Free for All",     nullptr},
    {"yquake2",         GameHint::Quake2, 1000, "yquake2", false, nullptr,            nullptr},
    {"q2pro",           GameHint::Quake2, 1000, "q2pro",   false, nullptr,            nullptr},
    {"quake2",          GameHint::Quake2, 100,  "",        false, nullptr,            nullptr},
    {"quake ii",        GameHint::Quake2, 100,  "",        false, nullptr,            nullptr},
    {".quake2",         GameHint::Quake2, 100,  "",        false, nullptr,            nullptr},
};
// clang-format on

// Words in a config that only one game uses, counted towards that game.
struct ContentHint {
    const char *pattern;
    bool quake2;
};

const ContentHint kContent[] = {
    {"^\\s*set[asu]\\s", false}, {"\\b(cg|com|ui|cl_maxpackets|r)_\\w+", false},
    {"^\\s*alias\\s", true},     {"\\b(gl|vid|sw)_\\w+", true},
    {"\\bhand\\b", true},
};

// Commands and cvars only one mod has; each match counts for the mod and for its game.
struct ModHint {
    const char *pattern;
    GameHint game;
    const char *modKey;
};

// clang-format off
constexpr ModHint kModWords[] = {
    {"\\b(cf|ch)_\\w+",                                                                   GameHint::Quake3, "OSP"},
    {"\\bcg_(enemyColors|altLightning|altPlasma|altGrenades|teamChatsOnly|nochatbeep|nomip|enableOSPHUD)\\b",
                                                                                          GameHint::Quake3, "OSP"},
    {"\\+wstats\\b|\\b(statsall|followpowerup|autoscreenshot|vc_(follow|free|info|proximity))\\b",
                                                                                          GameHint::Quake3, "OSP"},
    {"\\b(server_(motd\\d?|motdfile|promode|thrufloors)|mode_(start|customfile)|map_(file|autoload|queue|rotate|random|halt|once)|match_\\w+|osp_gamename|filter_file|player_file|admin_log)\\b",
                                                                                          GameHint::Quake3, "OSP Server"},
    {"\\but_\\w+|\\bui_(radio|selectgear|selectteam)\\b",                                 GameHint::Quake3, "Urban Terror"},
    {"\\bmp3_(play|pause|prev|next|pp)\\b|\\b(specwho|specrevoke|teamkick|teammute|chname|chpass)\\b",
                                                                                          GameHint::Quake3, "Rocket Arena"},
    {"\\bsay_world\\b",                                                                   GameHint::Either, "Rocket Arena"},
    {"\\b(plasmabomb|supplydepot|healingdepot|detpipes|biosentry|wfteamplay|wfhelp|wfflags|laserd)\\b",
                                                                                          GameHint::Either, "Weapons Factory"},
    {"\\b(bandage|opendoor|irvision)\\b|\\bchoose\\s|\\buse\\s+\"?(M3 Super|M4 Assault|MP5/10|Handcannon|Sniper Rifle|Dual MK23|MK23 Pistol|Combat Knife|M26 Frag)",
                                                                                          GameHint::Quake2, "Action Quake"},
    {"\\b(ctfmenu|ctfhelp|flagstatus|play_team|play_voice)\\b|\\buse\\s+grapple\\b|\\bdrop\\s+tech\\b",
                                                                                          GameHint::Quake2, "Capture the Flag"},
    {"\\b(lockteam|readyteam|lscore|sscore|nexttarg|nextview)\\b",                        GameHint::Quake2, "Gxmod"},
    {"\\b(powerupflags\\w*|weapflags\\w*|adminpw|max_team_players|overtime_(mode|duration)|countdown_duration|timeout_duration)\\b",
                                                                                          GameHint::Quake2, "Gxmod Server"},
    {"\\b(rune_\\w+|use_(hook|runes)|weaporder|weappickup|chaseleader|lhelp|hiscores|unhook)\\b|\\bdrop\\s+rune\\b",
                                                                                          GameHint::Quake2, "Lithium"},
    {"\\b(arenaadmin|grap_(on|off)|listmaps|menuhelp)\\b",                                GameHint::Quake2, "Rocket Arena"},
    {"\\b(allowvoting\\w+|armorprotect|healthprotect|competitionmode|damagescoring|lockarena|playersperteam|roundtimelimit|arenacfg|votetries)\\b",
                                                                                          GameHint::Quake2, "Rocket Arena Server"},
};
// clang-format on

// A guess's mod key is an entry of Select Mod's list of the game the hint is for (of both for
// either game); a server key only needs the game whose words tell it.
constexpr int gamesWithKey(std::string_view key) // 1: Quake 2, 2: Quake 3
{
    int games = 0;
    for (const core::Mod &mod : core::kMods)
        if (key.size() == std::size_t(mod.key.size()) &&
            std::equal(key.begin(), key.end(), mod.key.utf16()))
            games |= mod.game == core::Game::Quake2 ? 1 : mod.game == core::Game::Quake3 ? 2 : 0;
    return games;
}
constexpr int gamesOf(GameHint game)
{
    return game == GameHint::Either ? 3 : 1 + (game == GameHint::Quake3);
}
static_assert(std::ranges::all_of(kFolders, [](const FolderHint &hint) {
    return (!hint.modKey ||
            (gamesWithKey(hint.modKey) & gamesOf(hint.game)) == gamesOf(hint.game)) &&
           (!hint.serverKey || gamesWithKey(hint.serverKey) & gamesOf(hint.game));
}));
static_assert(std::ranges::all_of(kModWords, [](const ModHint &hint) {
    return (gamesWithKey(hint.modKey) & gamesOf(hint.game)) == gamesOf(hint.game);
}));
static_assert(gamesWithKey(kBaseModKey) == 3);

// A mod is clear from the text when its words come at least this often, more than another's.
constexpr int kClearModCount = 2;

int countMatches(const char *pattern, const QString &text)
{
    const QRegularExpression expression(QLatin1String(pattern),
                                        QRegularExpression::MultilineOption |
                                            QRegularExpression::CaseInsensitiveOption);
    int count = 0;
    for (QRegularExpressionMatchIterator matches = expression.globalMatch(text); matches.hasNext();
         matches.next())
        ++count;
    return count;
}

/** The mod the text clearly belongs to, among the mods of the game; empty when none. */
QString modOfText(const QHash<QString, int> &counts)
{
    QString best;
    int bestCount = 0;
    int runnerUp = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (it.value() > bestCount) {
            runnerUp = bestCount;
            best = it.key();
            bestCount = it.value();
        } else if (it.value() > runnerUp) {
            runnerUp = it.value();
        }
    }
    return bestCount >= kClearModCount && bestCount > runnerUp ? best : QString();
}

} // namespace

EngineGuess guessEngine(const QString &path, const QString &content)
{
    int pathVotes[2] = {0, 0}; // Quake 3, Quake 2
    int textVotes[2] = {0, 0};
    EngineGuess guess;
    const FolderHint *modFolder = nullptr;
    const QStringList parts = QString(path).replace(u'\\', u'/').toLower().split(u'/');
    for (const QString &part : parts) {
        for (const FolderHint &hint : kFolders) {
            if (part != QLatin1String(hint.folder))
                continue;
            if (hint.game != GameHint::Either)
                pathVotes[hint.game == GameHint::Quake2] += hint.weight;
            if (*hint.profileId)
                guess.profileId = QLatin1String(hint.profileId);
            if (hint.isMod)
                guess.mod = part;
            if (hint.modKey)
                modFolder = &hint;
        }
    }

    // Only the start of a big file is read: enough to tell games and mods apart, and quick.
    const QString head = content.left(64 * 1024);
    for (const ContentHint &hint : kContent)
        textVotes[hint.quake2] += countMatches(hint.pattern, head);
    QHash<QString, int> modCounts[2];
    for (const ModHint &hint : kModWords) {
        const int count = countMatches(hint.pattern, head);
        if (count == 0)
            continue;
        if (hint.game != GameHint::Either)
            textVotes[hint.game == GameHint::Quake2] += count;
        for (const bool quake2 : {false, true})
            if (hint.game == GameHint::Either || (hint.game == GameHint::Quake2) == quake2)
                modCounts[quake2][QLatin1String(hint.modKey)] += count;
    }

    const bool byPath = pathVotes[0] > 0 || pathVotes[1] > 0;
    const int *votes = byPath ? pathVotes : textVotes;
    const bool quake2 = votes[1] > votes[0];
    guess.game = quake2 ? QStringLiteral("Quake 2") : QStringLiteral("Quake 3");
    if (guess.profileId.isEmpty())
        guess.profileId = quake2 ? QStringLiteral("q2") : QStringLiteral("q3");

    const QString textMod = modOfText(modCounts[quake2]);
    if (modFolder)
        guess.modKey = modFolder->serverKey && textMod == QLatin1String(modFolder->serverKey)
                           ? textMod
                           : QLatin1String(modFolder->modKey);
    else
        guess.modKey = textMod.isEmpty() ? QLatin1String(kBaseModKey) : textMod;
    return guess;
}

} // namespace analysis
