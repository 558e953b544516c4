#pragma once

#include <QString>

namespace analysis {
struct EngineProfile;
}

namespace lists {
struct NameInfo;
}

namespace document {

/** A stretch [begin, end) of a text; empty when begin == end. */
struct TextSpan {
    int begin = 0;
    int end = 0;
    bool isEmpty() const { return begin == end; }
};

/**
 * The word of @p text that holds @p position or ends there: a run of characters other than
 * blanks, line breaks, `"` and `;` (so `+attack` and `mouse1` are words, and `cg_fov` in
 * `seta cg_fov "90"` is one). Empty when @p position touches no word.
 */
TextSpan wordAt(const QString &text, int position);

/** A value the text gives a name, and the 1-based line of the command that gives it. */
struct ValueInText {
    QString value;
    int line = 0; // 0: the text doesn't give one
};

/**
 * The value the last `set`, `seta`, `setu` or `sets` command of @p text gives the cvar
 * @p name (any letter case), as @p profile's engine reads the commands; with
 * @p bareNameSets, a command `name value` counts too.
 */
ValueInText valueSetIn(const QString &text, const QString &name,
                       const analysis::EngineProfile &profile, bool bareNameSets);

/** The action the last `bind` command of @p text binds to @p key (any letter case). */
ValueInText bindingIn(const QString &text, const QString &key,
                      const analysis::EngineProfile &profile);

/**
 * The tooltip for a name: the name, its description, default and flags in the words users
 * see, then what this text sets it to and binds it to, each line only when known.
 */
QString hoverText(const lists::NameInfo &info, const ValueInText &set, const ValueInText &bound);

} // namespace document
