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
};

/**
 * Guesses the engine, game and mod of a config from its path (folders such as baseq3/, osp/,
 * baseq2/, ctf/, or an engine's own folder) and its text (seta, cg_/com_/r_ cvars point to
 * Quake 3; alias, gl_/vid_ cvars to Quake 2). Quake 3 wins a tie.
 */
EngineGuess guessEngine(const QString &path, const QString &content);

} // namespace analysis
