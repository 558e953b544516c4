#pragma once

#include "analysis/EngineProfiles.h"

#include <QList>
#include <QString>

namespace analysis {

/** One word of a command as the engine's tokenizer reads it, with its place in the file. */
struct Word {
    int begin = 0;    // offset of the first character (the opening quote of a quoted word)
    int end = 0;      // offset after the last character (after the closing quote)
    QStringView text; // the word as the engine sees it, quotes removed (a view of the split text)
    bool quoted = false;
};

/** One command the engine runs, as cut from the file by its command buffer. */
struct Command {
    int begin = 0; // offset of the command's first character in the file
    int end = 0;   // offset after its last character (terminator not included)
    /** What ended it: ';', '\n', '\r', or 0 at the end of the text. */
    char terminator = 0;
    QList<Word> words;
    // Offset of a line or block comment the tokenizer stopped at, -1 without one.
    int commentAt = -1;
    /** The command was longer than the engine's 1023-character line. */
    bool overlong = false;
    /** The engine drops this command (over-long line discarded, unmatched quote discarded). */
    bool dropped = false;
    /** An odd number of quotes. */
    bool unbalancedQuote = false;
    /** Runs only because a `;` ended a `//` comment earlier on its line. */
    bool afterCommentSemicolon = false;
    // Runs although it sits inside a block comment the engine doesn't honour.
    bool insideBlockComment = false;
};

constexpr int kMaxCommandLine = 1023;

/** The part of @p text the engine reads: everything before the first NUL character. */
int readableLength(const QString &text);

/**
 * Cuts @p text into the commands @p profile's engine runs, in order, exactly as its command
 * buffer and tokenizer do; empty commands (blank lines, comments) are left out. The words view
 * @p text, which must outlive them.
 */
QList<Command> splitCommands(const QString &text, const EngineProfile &profile);

/** The words of text[begin, end) as @p family's tokenizer reads them. */
QList<Word> tokenize(const QString &text, int begin, int end, const EngineProfile &profile,
                     int *commentAt = nullptr);

} // namespace analysis
