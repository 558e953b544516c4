#pragma once

#include "analysis/CommandSplitter.h"
#include "analysis/Diagnostics.h"

#include <optional>

namespace analysis {

/** A cvar given a value: by the set family, or bare as `name value`. */
struct Assignment {
    const Command *command;
    const Word *name;
    const Word *value;
    bool bare;
};

/** What every rule sees: the input, the engine, the commands it runs, and where to report. */
struct RuleContext {
    RuleContext(const CheckInput &input, const EngineProfile &profile,
                const QList<Command> &commands, const LineIndex &lines, QList<Diagnostic> &found)
        : input(input), profile(profile), commands(commands), lines(lines), found(found),
          m_engine(QString::fromLatin1(profile.name))
    {
    }

    const CheckInput &input;
    const EngineProfile &profile;
    const QList<Command> &commands;
    const LineIndex &lines;
    QList<Diagnostic> &found;
    QString rule;
    Severity severity = Severity::Warning;

    void report(int begin, int end, const QString &message) const
    {
        found.append({begin, end, severity, rule, message});
    }
    const QString &engine() const { return m_engine; }
    /** Runs @p visit for each command the engine runs whose first word is one of @p verbs. */
    template <typename Visit> void forEach(std::initializer_list<Verb> verbs, Visit visit) const
    {
        for (const Command &command : commands)
            if (!command.dropped &&
                std::find(verbs.begin(), verbs.end(), command.verb) != verbs.end())
                visit(command);
    }
    /** Every cvar the commands give a value, in file order (worked out once per check). */
    const QList<Assignment> &assignments() const;
    /** bufferedBytes() of the input (worked out once per check). */
    qint64 bufferedBytes() const;

private:
    const QString m_engine;
    mutable std::optional<QList<Assignment>> m_assignments;
    mutable qint64 m_bufferedBytes = -1;
};

/** One rule: its id, how bad its findings are, and the function that looks for them. */
struct Rule {
    const char *id;
    Severity severity;
    void (*run)(RuleContext &context);
};

/** The rules about the file as a whole, about how commands are read, and about what they set. */
const QList<Rule> &fileRules();
const QList<Rule> &syntaxRules();
const QList<Rule> &settingRules();

// Small helpers shared by the rule files.
bool isSetCommand(const Command &command);
QString quoted(QStringView text);

/**
 * Calls @p use with @p text in lower (or upper) case, as QString::toLower() (toUpper()) gives
 * it, without allocating for the short Latin-1 (ASCII) names configs consist of.
 */
template <typename Use> auto withCase(QStringView text, bool upper, Use use)
{
    constexpr qsizetype kShort = 64;
    const char16_t limit = upper ? 0x80 : 0x100; // no special case mappings below these
    bool simple = text.size() <= kShort;
    for (qsizetype i = 0; simple && i < text.size(); ++i)
        simple = text[i].unicode() < limit;
    if (!simple) {
        const QString owned = upper ? text.toString().toUpper() : text.toString().toLower();
        return use(QStringView(owned));
    }
    QChar buffer[kShort];
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        // Latin-1's capitals are A-Z and U+00C0-U+00DE except the multiplication sign.
        const bool capital = (c >= u'A' && c <= u'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7);
        const bool small = c >= u'a' && c <= u'z';
        buffer[i] = QChar(upper ? (small ? c - 32 : c) : (capital ? c + 32 : c));
    }
    return use(QStringView(buffer, text.size()));
}

/**
 * A name that hashes and compares in lower case (upper case with @c upper) when @c fold is set,
 * as cvar names of most engines and key names do.
 */
struct NameKey {
    QStringView text;
    bool fold = true;
    bool upper = false;
    friend bool operator==(NameKey a, NameKey b)
    {
        if (!a.fold)
            return a.text == b.text;
        return withCase(a.text, a.upper, [&](QStringView foldedA) {
            return withCase(b.text, b.upper,
                            [&](QStringView foldedB) { return foldedA == foldedB; });
        });
    }
    friend size_t qHash(NameKey key, size_t seed = 0)
    {
        if (!key.fold)
            return qHash(key.text, seed);
        return withCase(key.text, key.upper,
                        [&](QStringView folded) { return qHash(folded, seed); });
    }
};
QString bytes(qint64 count);

} // namespace analysis
