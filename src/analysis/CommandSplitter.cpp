#include "analysis/CommandSplitter.h"

namespace analysis {

namespace {

// The engines read text as signed char: bytes 0x80 and above count as blanks, like controls.
bool isBlank(QChar c)
{
    return c.unicode() <= ' ' || c.unicode() >= 0x80;
}

bool startsWith2(const QString &text, int at, int end, char a, char b)
{
    return at + 1 < end && text.at(at) == QLatin1Char(a) && text.at(at + 1) == QLatin1Char(b);
}

// A quoted word runs to its closing quote, or to the end of the command when there is none;
// no engine knows an escaped quote.
void readQuotedWord(const QString &text, int &at, int end, Word &word)
{
    word.quoted = true;
    int close = text.indexOf(u'"', at + 1);
    if (close < 0 || close >= end)
        close = end;
    word.text = QStringView(text).mid(at + 1, close - at - 1);
    at = qMin(close + 1, end);
}

// Quake III family: Cmd_TokenizeString. Quoted words need no blank after them, `//` and `/*`
// end an unquoted word.
void tokenizeQuake3(const QString &text, int at, int end, const EngineProfile &profile,
                    QList<Word> &words, int *commentAt)
{
    const QChar *data = text.constData();
    const int commandStart = at;
    while (true) {
        while (at < end && isBlank(data[at]))
            ++at;
        if (at >= end)
            return;
        if (startsWith2(text, at, end, '/', '/')) {
            *commentAt = at;
            return;
        }
        if (startsWith2(text, at, end, '/', '*')) {
            *commentAt = at;
            const int close = int(text.indexOf(QLatin1String("*/"), at + 2));
            if (close < 0 || close + 2 > end)
                return;
            *commentAt = -1;
            at = close + 2;
            continue;
        }
        Word word;
        word.begin = at;
        if (data[at] == u'"') {
            readQuotedWord(text, at, end, word);
        } else {
            const int start = at;
            while (at < end && !isBlank(data[at]) && data[at] != u'"') {
                if (data[at] == u'/' && at + 1 < end) {
                    if (data[at + 1] == u'*')
                        break;
                    if (data[at + 1] == u'/') {
                        // Quake3e keeps "scheme://" inside a word: a lower-case letter and ':'
                        // before it, three or more characters into the command.
                        if (profile.slashesEndWord || at == start || at - commandStart < 3 ||
                            data[at - 1] != u':' || data[at - 2] < u'a' || data[at - 2] > u'z')
                            break;
                        at += 2;
                        continue;
                    }
                }
                ++at;
            }
            word.text = QStringView(data + start, at - start);
        }
        word.end = at;
        words.append(word);
    }
}

// Quake II family: COM_Parse. `//` is a comment only at a word's start; quotes don't end an
// unquoted word; a quoted word ends at its closing quote.
void tokenizeQuake2(const QString &text, int at, int end, QList<Word> &words, int *commentAt)
{
    const QChar *data = text.constData();
    while (true) {
        while (at < end && isBlank(data[at]))
            ++at;
        if (at >= end)
            return;
        if (startsWith2(text, at, end, '/', '/')) {
            *commentAt = at;
            return;
        }
        Word word;
        word.begin = at;
        if (data[at] == u'"') {
            readQuotedWord(text, at, end, word);
        } else {
            const int start = at;
            while (at < end && !isBlank(data[at]))
                ++at;
            word.text = QStringView(data + start, at - start);
        }
        word.end = at;
        words.append(word);
    }
}

bool endsLine(QChar c, const EngineProfile &profile)
{
    return c == u'\n' || (profile.crEndsCommand && c == u'\r');
}

// Where the engine's command buffer ends the command that starts at @p at (Cbuf_Execute).
int commandEnd(const QString &text, int at, int length, const EngineProfile &profile)
{
    const bool tracksComments = !profile.semicolonEndsLineComment;
    const bool tracksBlocks = profile.blockComments == BlockComments::Multiline ||
                              profile.blockComments == BlockComments::MultilineEndsCommand;
    const bool blockEndEndsCommand = profile.blockComments == BlockComments::MultilineEndsCommand;
    int quotes = 0;
    bool inLineComment = false;
    bool inBlock = false;
    const QChar *data = text.constData();
    for (int i = at; i < length; ++i) {
        const QChar c = data[i];
        if (c.unicode() > u'/' && c != u';') { // no quote, slash, star or line end
            continue;
        }
        if (c == u'"')
            ++quotes;
        if (!(quotes & 1)) {
            if (i + 1 < length) {
                if (tracksComments && !inBlock && startsWith2(text, i, length, '/', '/'))
                    inLineComment = true;
                else if (tracksBlocks && !inLineComment && startsWith2(text, i, length, '/', '*'))
                    inBlock = true;
                else if (inBlock && startsWith2(text, i, length, '*', '/')) {
                    if (blockEndEndsCommand)
                        return i + 1; // the '/' is overwritten by the line's end
                    inBlock = false;
                    ++i;
                    continue;
                }
            }
            if (!inLineComment && !inBlock && c == u';')
                return i;
        }
        if (!inBlock && endsLine(c, profile))
            return i;
    }
    return length;
}

} // namespace

int readableLength(const QString &text)
{
    const int nul = int(text.indexOf(QChar(0)));
    return nul < 0 ? int(text.size()) : nul;
}

void tokenize(const QString &text, int begin, int end, const EngineProfile &profile,
              QList<Word> &words, int *commentAt)
{
    int ignored = -1;
    int *comment = commentAt ? commentAt : &ignored;
    *comment = -1;
    if (profile.family == Family::Quake3)
        tokenizeQuake3(text, begin, end, profile, words, comment);
    else
        tokenizeQuake2(text, begin, end, words, comment);
}

Verb verbOf(QStringView word)
{
    struct Name {
        QLatin1String name;
        Verb verb;
    };
    static const Name kNames[] = {
        {QLatin1String("bind"), Verb::Bind},
        {QLatin1String("unbind"), Verb::Unbind},
        {QLatin1String("unbindall"), Verb::Unbindall},
        {QLatin1String("exec"), Verb::Exec},
        {QLatin1String("vstr"), Verb::Vstr},
        {QLatin1String("alias"), Verb::Alias},
        {QLatin1String("set"), Verb::Set},
        {QLatin1String("seta"), Verb::Seta},
        {QLatin1String("setu"), Verb::Setu},
        {QLatin1String("sets"), Verb::Sets},
        {QLatin1String("echo"), Verb::OtherCommand},
        {QLatin1String("say"), Verb::OtherCommand},
        {QLatin1String("say_team"), Verb::OtherCommand},
        {QLatin1String("toggle"), Verb::OtherCommand},
        {QLatin1String("cmd"), Verb::OtherCommand},
        {QLatin1String("wait"), Verb::OtherCommand},
        {QLatin1String("connect"), Verb::OtherCommand},
        {QLatin1String("map"), Verb::OtherCommand},
        {QLatin1String("reset"), Verb::OtherCommand},
        {QLatin1String("cvar_restart"), Verb::OtherCommand},
        {QLatin1String("writeconfig"), Verb::OtherCommand},
        {QLatin1String("bindlist"), Verb::OtherCommand},
        {QLatin1String("cvarlist"), Verb::OtherCommand},
    };
    constexpr qsizetype kLongest = 12;
    if (word.isEmpty() || word.size() > kLongest)
        return Verb::Other;
    const char16_t initial = word.front().unicode() | 0x20; // ASCII lower case
    for (const Name &entry : kNames)
        if (entry.name.size() == word.size() && (entry.name.front() == initial || initial > 0x7f) &&
            word.compare(entry.name, Qt::CaseInsensitive) == 0)
            return entry.verb;
    return Verb::Other;
}

SplitText splitCommands(const QString &text, const EngineProfile &profile)
{
    SplitText split;
    QList<Command> &commands = split.commands;
    QList<Word> &words = split.words;
    QList<qsizetype> firstWords;
    const int length = readableLength(text);
    commands.reserve(length / 24);
    firstWords.reserve(length / 24);
    words.reserve(length / 8);
    bool commentRunsOn = false; // a `;` ended a `//` comment and the line goes on
    bool inLeakedBlock = false; // inside a `/* */` block the engine runs line by line
    int at = 0;
    while (at < length) {
        int end = commandEnd(text, at, length, profile);
        Command command;
        command.begin = at;
        command.terminator = end < length ? char(text.at(end).unicode()) : 0;
        int next = end + 1;
        if (end - at > kMaxCommandLine) {
            command.overlong = true;
            switch (profile.longCommands) {
            case LongCommands::CutAndRunRest:
                end = at + kMaxCommandLine;
                next = end + 1;
                command.terminator = 0;
                break;
            case LongCommands::Truncate: end = at + kMaxCommandLine; break;
            case LongCommands::Discard:
            case LongCommands::Overrun: command.dropped = true; break;
            }
        }
        command.end = end;
        command.afterCommentSemicolon = commentRunsOn;
        command.insideBlockComment = inLeakedBlock;
        const qsizetype firstWord = words.size();
        tokenize(text, at, end, profile, words, &command.commentAt);
        command.words = Words(nullptr, words.size() - firstWord);
        if (!command.words.isEmpty())
            command.verb = verbOf(words.at(firstWord).text);
        const QStringView raw = QStringView(text).mid(at, end - at);
        command.unbalancedQuote = raw.count(u'"') % 2 == 1;
        if (command.unbalancedQuote && profile.unbalancedQuoteDiscards)
            command.dropped = true;

        const bool opensBlock =
            (profile.blockComments == BlockComments::OneLine && command.commentAt >= 0 &&
             QStringView(text).mid(command.commentAt, 2) == QLatin1String("/*")) ||
            (profile.blockComments == BlockComments::None && !command.words.isEmpty() &&
             words.at(firstWord).text.startsWith(QLatin1String("/*")) &&
             !words.at(firstWord).quoted);
        if (inLeakedBlock && raw.contains(QLatin1String("*/")))
            inLeakedBlock = false;
        else if (opensBlock && !raw.mid(command.commentAt >= 0 ? command.commentAt - at : 0)
                                    .contains(QLatin1String("*/")))
            inLeakedBlock = true;

        if (command.terminator == ';')
            commentRunsOn = commentRunsOn || command.commentAt >= 0;
        else if (command.terminator != 0 || end >= length)
            commentRunsOn = false;

        if (!command.words.isEmpty() || command.overlong || command.unbalancedQuote || opensBlock) {
            commands.append(command);
            firstWords.append(firstWord);
        }
        at = next;
    }
    for (qsizetype i = 0; i < commands.size(); ++i)
        commands[i].words =
            Words(words.constData() + firstWords.at(i), commands.at(i).words.size());
    return split;
}

} // namespace analysis
