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

/** The words of one command: a view into the word list of its split. */
class Words {
public:
    Words() = default;
    Words(const Word *first, qsizetype count) : m_first(first), m_count(count) {}
    const Word *begin() const { return m_first; }
    const Word *end() const { return m_first + m_count; }
    qsizetype size() const { return m_count; }
    bool isEmpty() const { return m_count == 0; }
    const Word &at(qsizetype i) const { return m_first[i]; }
    const Word &first() const { return *m_first; }

private:
    const Word *m_first = nullptr;
    qsizetype m_count = 0;
};

/** The commands the rules look for by name (any letter case); Other for every other word. */
enum class Verb : quint8 {
    Other,
    Bind,
    Unbind,
    Unbindall,
    Exec,
    Vstr,
    Alias,
    Set,
    Seta,
    Setu,
    Sets,
    /** Another command that every engine has, so `name value` is no cvar assignment. */
    OtherCommand
};

/** One command the engine runs, as cut from the file by its command buffer. */
struct Command {
    int begin = 0; // offset of the command's first character in the file
    int end = 0;   // offset after its last character (terminator not included)
    /** What ended it: ';', '\n', '\r', the '/' closing a block comment, or 0 at the end. */
    char terminator = 0;
    Words words;
    /** What the first word names. */
    Verb verb = Verb::Other;
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

/** The commands of a text; their words live in @c words, which the commands view. */
struct SplitText {
    QList<Command> commands;
    QList<Word> words;
};

/**
 * Cuts @p text into the commands @p profile's engine runs, in order, exactly as its command
 * buffer and tokenizer do; empty commands (blank lines, comments) are left out. The words view
 * @p text, which must outlive them.
 */
SplitText splitCommands(const QString &text, const EngineProfile &profile);

/** Appends the words of text[begin, end), as @p profile's tokenizer reads them, to @p words. */
void tokenize(const QString &text, int begin, int end, const EngineProfile &profile,
              QList<Word> &words, int *commentAt = nullptr);

/** What the command word @p word names. */
Verb verbOf(QStringView word);

} // namespace analysis
