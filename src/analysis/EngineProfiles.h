#pragma once

#include <QSet>
#include <QString>
#include <QStringList>

namespace analysis {

enum class Family { Quake3, Quake2 };

// What an engine does with block comments (slash-star ... star-slash) in a config.
enum class BlockComments {
    None,      // `/*` is an ordinary word (a command of its own)
    OneLine,   // skipped inside one line; a block over several lines runs its inner lines
    Multiline, // skipped across lines (stripped from the file before it runs)
    /** Skipped across lines, and the command ends at the closing star-slash: text after it
        on the line runs as a command of its own. */
    MultilineEndsCommand
};

/** What an engine does with a command longer than 1023 characters. */
enum class LongCommands {
    CutAndRunRest, // cut at 1023, character 1024 lost, the rest runs as new commands
    Truncate,      // cut at 1023, the rest dropped
    Discard,       // the whole command dropped
    Overrun        // copied past the end of a 1024-byte stack buffer, then dropped
};

/** How one engine reads and runs a config file: facts read from its source, one row each. */
struct EngineProfile {
    const char *id;
    const char *name;
    Family family;
    /** Size of the command buffer that `exec` inserts the whole file into. */
    int bufferBytes;
    /** The buffer counts the text after comments and runs of blanks are stripped. */
    bool countsCompressedText;
    /** A nested `exec` that doesn't fit quits the game instead of skipping the file. */
    bool nestedOverflowIsFatal;
    /** Any NUL byte refuses the whole file (otherwise the text after it is ignored). */
    bool nulRefusesFile;
    /** A CR alone ends a command (otherwise only LF and `;` do). */
    bool crEndsCommand;
    /** A `;` inside a `//` comment ends the comment and the rest of the line runs. */
    bool semicolonEndsLineComment;
    BlockComments blockComments;
    LongCommands longCommands;
    /** `//` inside an unquoted word ends the word (`http://x` reads `http:`). */
    bool slashesEndWord;
    /** An unbalanced quote drops the command (otherwise the word runs to the line end). */
    bool unbalancedQuoteDiscards;
    /** `seta`/`setu`/`sets` exist. */
    bool hasSetA;
    /** `seta`/`setu`/`sets` need exactly three words, else nothing is set. */
    bool setAExactArity;
    /** Letters allowed as the fourth word of `set`; empty: extra words are joined into the value.
     */
    const char *setFlags;
    bool hasAlias;
    bool hasVstr;
    /** Longest alias name, 0 for no limit. */
    int aliasNameMax;
    /** A bare `name a b` uses only `a` (otherwise the words are joined). */
    bool bareCvarUsesFirstWord;
    bool caseSensitiveCvars;
    /** A single letter key is taken as written, so a capital letter binds a code no key sends. */
    bool singleKeyCaseSensitive;
    /** A `+x` bind is released as `-x` only when it is the first command of the bind. */
    bool plusOnlyFirstReleased;
    /** The name the engine adds ".cfg" to on `exec name`. */
    bool execAddsCfg;
    /** The file the engine rewrites with its own settings. */
    const char *writtenConfig;
    /** Resource of the key-name table, empty when not known (no key checks then). */
    const char *keyTable;
    /** Resource of the cheat-protected cvar names, empty when none. */
    const char *cheatTable;
    /** Where the facts come from: file and function in the engine's source. */
    const char *source;
};

/** All engines, in menu order. */
const QList<EngineProfile> &engineProfiles();

/** The profile called @p id, or nullptr. */
const EngineProfile *engineProfile(const QString &id);

/** Profile ids, for usage texts. */
QStringList engineProfileIds();

/** The key names of @p profile's table, upper case; empty when the engine has no known table. */
const QSet<QString> &keyNames(const EngineProfile &profile);

/** Cheat-protected cvar names of @p profile, lower case. */
const QSet<QString> &cheatCvars(const EngineProfile &profile);

/** Well-known cvar names of the game (exact case), for near-miss checks. */
const QSet<QString> &knownCvars(Family family);

/** "Quake III 1.32" style display of the family. */
QString familyName(Family family);

} // namespace analysis
