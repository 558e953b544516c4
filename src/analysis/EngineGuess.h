#pragma once

#include <QString>

namespace analysis {

/** What a config file is most likely for. */
struct EngineGuess {
    /** An engine profile id ("q3", "q2", ...). */
    QString profileId;
    /** "Quake 3" or "Quake 2". */
    QString game;
    /** The mod folder named in the path ("osp", "ctf", ...), empty when not clear. */
    QString mod;
    /**
     * The entry of the game's list of mods the config belongs to ("OSP", "Capture the Flag",
     * "OSP Server", ...): "Free for All" for the game itself and for mods without lists.
     */
    QString modKey;
};

/**
 * Guesses the engine, game and mod of a config from its path (folders such as baseq3/, osp/,
 * baseq2/, ctf/, or an engine's own folder) and its text (seta, cg_/com_/r_ cvars point to
 * Quake 3; alias, gl_/vid_ cvars to Quake 2; a mod's own commands and cvars to the mod).
 * Quake 3 wins a tie. A mod folder decides the mod; the text only tells its client config
 * from its server config there.
 */
EngineGuess guessEngine(const QString &path, const QString &content);

} // namespace analysis
