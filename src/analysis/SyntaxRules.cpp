#include "analysis/RuleContext.h"

namespace analysis {

namespace {

int lineEnd(const QString &text, int from)
{
    const int end = int(text.indexOf(u'\n', from));
    return end < 0 ? int(text.size()) : end;
}

void longLine(RuleContext &c)
{
    for (const Command &command : c.commands) {
        if (!command.overlong)
            continue;
        QString effect;
        switch (c.profile.longCommands) {
        case LongCommands::CutAndRunRest:
            effect = QStringLiteral("cuts it after 1,023 characters, loses the 1,024th and runs "
                                    "the rest as new commands (quoted text may run as commands)");
            break;
        case LongCommands::Truncate:
            effect = QStringLiteral("cuts it after 1,023 characters and drops the rest");
            break;
        case LongCommands::Discard:
            effect = QStringLiteral("drops the whole command (\"Line exceeded 1024 chars, "
                                    "discarded.\")");
            break;
        case LongCommands::Overrun:
            effect = QStringLiteral("overruns its 1,024-byte line buffer (it may crash) and "
                                    "drops the command");
            break;
        }
        c.report(command.begin + kMaxCommandLine, lineEnd(c.input.text, command.begin),
                 QStringLiteral("This command is longer than 1,023 characters: %1 %2. Split it "
                                "into shorter commands.")
                     .arg(c.engine(), effect));
    }
}

void commentSemicolon(RuleContext &c)
{
    int reportedLineEnd = -1;
    for (const Command &command : c.commands) {
        if (!command.afterCommentSemicolon || command.begin < reportedLineEnd)
            continue;
        reportedLineEnd = lineEnd(c.input.text, command.begin);
        const QString rest =
            c.input.text.mid(command.begin, reportedLineEnd - command.begin).trimmed();
        c.report(command.begin, reportedLineEnd,
                 QStringLiteral("%1 ends a // comment at a ';' and runs the rest: %2 will run. "
                                "Remove the ';' from the comment.")
                     .arg(c.engine(), quoted(rest)));
    }
}

void blockComment(RuleContext &c)
{
    for (const Command &command : c.commands) {
        if (command.insideBlockComment)
            continue;
        if (c.profile.blockComments == BlockComments::None && !command.words.isEmpty() &&
            !command.words.first().quoted && command.words.first().text.startsWith(u"/*")) {
            c.report(command.words.first().begin, command.words.first().begin + 2,
                     QStringLiteral("%1 has no /* */ comments: it runs '/*' as a command "
                                    "(\"Unknown command\") and runs the lines inside. Use // on "
                                    "each line.")
                         .arg(c.engine()));
        } else if (c.profile.blockComments == BlockComments::OneLine && command.commentAt >= 0 &&
                   c.input.text.mid(command.commentAt, 2) == QLatin1String("/*") &&
                   !c.input.text.mid(command.commentAt, command.end - command.commentAt)
                        .contains(QLatin1String("*/"))) {
            c.report(command.commentAt, command.commentAt + 2,
                     QStringLiteral("%1 honours /* */ only within one line: the lines inside "
                                    "this block run as commands and '*/' runs as an unknown "
                                    "command. Use // on each line.")
                         .arg(c.engine()));
        }
    }
}

void unbalancedQuote(RuleContext &c)
{
    for (const Command &command : c.commands) {
        if (!command.unbalancedQuote)
            continue;
        const int quote = int(c.input.text.lastIndexOf(u'"', command.end - 1));
        c.report(quote, quote + 1,
                 c.profile.unbalancedQuoteDiscards
                     ? QStringLiteral("This quote is never closed: %1 discards the whole "
                                      "command (\"Line has unmatched quote, discarded.\"). Add "
                                      "the closing quote.")
                           .arg(c.engine())
                     : QStringLiteral("This quote is never closed: %1 reads the rest of the "
                                      "line into one word, with any ';' commands after it. Add "
                                      "the closing quote.")
                           .arg(c.engine()));
    }
}

void nestedQuotes(RuleContext &c)
{
    for (const Command &command : c.commands) {
        for (int i = 1; i < command.words.size(); ++i) {
            const Word &before = command.words.at(i - 1);
            const Word &after = command.words.at(i);
            if (before.end != after.begin || (!before.quoted && !after.quoted))
                continue;
            c.report(before.begin, after.end,
                     QStringLiteral("Quotes can't be nested in %1: the quote here ends the "
                                    "quoted text, and the rest becomes separate words. Use "
                                    "single quotes inside, or move the inner command into a %2.")
                         .arg(c.engine(), c.profile.hasAlias ? QStringLiteral("alias")
                                                             : QStringLiteral("vstr variable")));
            break;
        }
    }
}

struct MissingCommand {
    Verb verb;
    bool EngineProfile::*available;
    const char *instead;
};

const MissingCommand kMissingCommands[] = {
    {Verb::Seta, &EngineProfile::hasSetA, "set"},
    {Verb::Setu, &EngineProfile::hasSetA, "set NAME VALUE u"},
    {Verb::Sets, &EngineProfile::hasSetA, "set NAME VALUE s"},
    {Verb::Alias, &EngineProfile::hasAlias, "set NAME \"commands\" and vstr NAME"},
    {Verb::Vstr, &EngineProfile::hasVstr, "an alias"},
};

void missingCommand(RuleContext &c)
{
    for (const MissingCommand &missing : kMissingCommands) {
        if (c.profile.*missing.available)
            continue;
        c.forEach({missing.verb}, [&](const Command &command) {
            const Word &word = command.words.first();
            c.report(word.begin, word.end,
                     QStringLiteral("%1 has no '%2' command: it prints \"Unknown command\" and "
                                    "this line does nothing. Use %3 instead.")
                         .arg(c.engine(), word.text, QLatin1String(missing.instead)));
        });
    }
}

void setAArity(RuleContext &c)
{
    if (!c.profile.hasSetA || !c.profile.setAExactArity)
        return;
    c.forEach({Verb::Seta, Verb::Setu, Verb::Sets}, [&](const Command &command) {
        if (command.words.size() == 3)
            return;
        const QString name = command.words.first().text.toString().toLower();
        c.report(command.begin, command.end,
                 QStringLiteral("%1's %2 takes exactly a name and one value: with %3 words it "
                                "prints \"usage: %2 <variable> <value>\" and sets nothing. Put "
                                "the value in quotes.")
                     .arg(c.engine(), name, QString::number(command.words.size())));
    });
}

void setArity(RuleContext &c)
{
    const QString flags = QLatin1String(c.profile.setFlags);
    if (flags.isEmpty())
        return;
    c.forEach({Verb::Set}, [&](const Command &command) {
        const auto &words = command.words;
        // The flag is compared case-sensitively (strcmp): 'U' is no flag.
        if (words.size() < 2 || words.size() == 3 ||
            (words.size() == 4 && words.at(3).text.size() == 1 &&
             flags.contains(words.at(3).text.at(0))))
            return;
        QString message;
        if (words.size() == 2)
            message = QStringLiteral("%1's set needs a name and a value: with the name alone it "
                                     "prints its usage and sets nothing. Add the value (\"\" "
                                     "for an empty one).")
                          .arg(c.engine());
        else if (words.size() > 4)
            message = QStringLiteral("%1's set takes a name, a value and one flag: with %2 "
                                     "words it prints its usage and sets nothing. Put the value "
                                     "in quotes.")
                          .arg(c.engine(), QString::number(words.size()));
        else
            message = QStringLiteral("%1's set takes only the flags %2 (lower case) after the "
                                     "value: it prints an error for %3 and sets nothing. Put the "
                                     "value in quotes.")
                          .arg(c.engine(), flags, quoted(words.at(3).text));
        c.report(command.begin, command.end, message);
    });
}

void aliasNameLength(RuleContext &c)
{
    if (c.profile.aliasNameMax <= 0 || !c.profile.hasAlias)
        return;
    c.forEach({Verb::Alias}, [&](const Command &command) {
        if (command.words.size() < 2 || command.words.at(1).text.size() <= c.profile.aliasNameMax)
            return;
        const Word &name = command.words.at(1);
        c.report(name.begin, name.end,
                 QStringLiteral("%1 allows alias names of at most %2 characters: it prints "
                                "\"Alias name is too long\" and defines nothing. Shorten the "
                                "name.")
                     .arg(c.engine(), QString::number(c.profile.aliasNameMax)));
    });
}

} // namespace

const QList<Rule> &syntaxRules()
{
    static const QList<Rule> rules = {
        {"line-too-long", Severity::Error, longLine},
        {"comment-semicolon", Severity::Warning, commentSemicolon},
        {"block-comment", Severity::Warning, blockComment},
        {"unbalanced-quote", Severity::Error, unbalancedQuote},
        {"nested-quotes", Severity::Warning, nestedQuotes},
        {"missing-command", Severity::Error, missingCommand},
        {"seta-arity", Severity::Error, setAArity},
        {"set-arity", Severity::Error, setArity},
        {"alias-name-length", Severity::Error, aliasNameLength},
    };
    return rules;
}

} // namespace analysis
