#include "analysis/EngineGuess.h"

#include <QDir>
#include <QRegularExpression>

namespace analysis {

namespace {

struct FolderHint {
    const char *folder;
    bool quake2;
    const char *profileId; // an engine's own folder names the engine; empty: the game's default
    bool isMod;
};

// Folder names, compared in lower case.
const FolderHint kFolders[] = {
    {"baseq3", false, "", false},
    {"missionpack", false, "", true},
    {"osp", false, "", true},
    {"cpma", false, "", true},
    {"defrag", false, "", true},
    {"arena", false, "", true},
    {"q3ut4", false, "", true},
    {"q3ut3", false, "", true},
    {"wfa", false, "", true},
    {"excessiveplus", false, "", true},
    {"ioquake3", false, "ioq3", false},
    {"ioq3", false, "ioq3", false},
    {"quake3e", false, "quake3e", false},
    {"baseq2", true, "", false},
    {"ctf", true, "", true},
    {"action", true, "", true},
    {"lithium", true, "", true},
    {"rocketarena", true, "", true},
    {"ra2", true, "", true},
    {"gx", true, "", true},
    {"wf", true, "", true},
    {"opentdm", true, "", true},
    {"xatrix", true, "", true},
    {"rogue", true, "", true},
    {"yquake2", true, "yquake2", false},
    {"q2pro", true, "q2pro", false},
};

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

} // namespace

EngineGuess guessEngine(const QString &path, const QString &content)
{
    int quake2Votes = 0;
    int quake3Votes = 0;
    EngineGuess guess;
    const QStringList parts = QString(path).replace(u'\\', u'/').toLower().split(u'/');
    for (const QString &part : parts) {
        for (const FolderHint &hint : kFolders) {
            if (part != QLatin1String(hint.folder))
                continue;
            (hint.quake2 ? quake2Votes : quake3Votes) += 1000;
            if (*hint.profileId)
                guess.profileId = QLatin1String(hint.profileId);
            if (hint.isMod)
                guess.mod = part;
        }
    }
    if (quake2Votes == 0 && quake3Votes == 0) {
        // Only the start of a big file is read: enough to tell the games apart, and quick.
        const QString head = content.left(64 * 1024);
        for (const ContentHint &hint : kContent) {
            const QRegularExpression pattern(QLatin1String(hint.pattern),
                                             QRegularExpression::MultilineOption |
                                                 QRegularExpression::CaseInsensitiveOption);
            QRegularExpressionMatchIterator matches = pattern.globalMatch(head);
            while (matches.hasNext()) {
                matches.next();
                (hint.quake2 ? quake2Votes : quake3Votes) += 1;
            }
        }
    }
    const bool quake2 = quake2Votes > quake3Votes;
    guess.game = quake2 ? QStringLiteral("Quake 2") : QStringLiteral("Quake 3");
    if (guess.profileId.isEmpty())
        guess.profileId = quake2 ? QStringLiteral("q2") : QStringLiteral("q3");
    return guess;
}

} // namespace analysis
