#include "analysis/RuleContext.h"

#include <QHash>
#include <algorithm>

namespace analysis {

namespace {

void plusInsideBind(RuleContext &c)
{
    if (!c.profile.plusOnlyFirstReleased)
        return;
    c.forEach({Verb::Bind}, [&](const Command &command) {
        if (command.words.size() < 3)
            return;
        QStringList parts;
        for (qsizetype i = 2; i < command.words.size(); ++i)
            parts.append(command.words.at(i).text.toString());
        const QStringList commands = parts.join(u' ').split(u';');
        for (qsizetype i = 1; i < commands.size(); ++i) {
            const QString later = commands.at(i).trimmed();
            if (!later.startsWith(u'+'))
                continue;
            const QString action = later.section(u' ', 0, 0);
            c.report(command.words.at(2).begin, command.end,
                     QStringLiteral("%1 releases only a bind's first command: %2 here is "
                                    "pressed and never released. Put it first, or bind an alias "
                                    "pair +name/-name.")
                         .arg(c.engine(), quoted(action)));
            return;
        }
    });
}

bool isHexDigit(QChar c)
{
    return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// "0x" and two hex digits: Quake III binds a key by its code written so.
bool isHexKey(QStringView key, const EngineProfile &profile)
{
    return profile.family == Family::Quake3 && key.size() == 4 && key.startsWith(u"0x") &&
           isHexDigit(key[2]) && isHexDigit(key[3]);
}

void unknownKey(RuleContext &c)
{
    const QSet<QString> &names = keyNames(c.profile);
    if (names.isEmpty())
        return;
    c.forEach({Verb::Bind, Verb::Unbind}, [&](const Command &command) {
        if (command.words.size() < 2)
            return;
        const Word &key = command.words.at(1);
        if (key.text.size() == 1 ||
            withCase(key.text, true,
                     [&](QStringView upper) {
                         return names.contains(QString::fromRawData(upper.data(), upper.size()));
                     }) ||
            isHexKey(key.text, c.profile))
            return;
        c.report(key.begin, key.end,
                 QStringLiteral("%1 has no key called %2: it prints '\"%3\" isn't a valid key' "
                                "and binds nothing. Use a key name of this engine.")
                     .arg(c.engine(), quoted(key.text), key.text));
    });
}

void capitalKey(RuleContext &c)
{
    if (!c.profile.singleKeyCaseSensitive)
        return;
    c.forEach({Verb::Bind, Verb::Unbind}, [&](const Command &command) {
        if (command.words.size() < 2)
            return;
        const Word &key = command.words.at(1);
        if (key.text.size() != 1 || !key.text.at(0).isUpper())
            return;
        c.report(key.begin, key.end,
                 QStringLiteral("%1 takes a single letter as written: '%2' is a code no key "
                                "sends, so this bind never fires. Write '%3'.")
                     .arg(c.engine(), key.text, key.text.toString().toLower()));
    });
}

void semicolonKey(RuleContext &c)
{
    c.forEach({Verb::Bind, Verb::Unbind}, [&](const Command &command) {
        if (command.words.size() != 1 || command.terminator != ';')
            return;
        c.report(command.begin, command.end + 1,
                 QStringLiteral("A ';' ends the command, so %1 runs '%2' alone and the rest of "
                                "the line as commands of their own. Write the key as "
                                "SEMICOLON.")
                     .arg(c.engine(), command.words.first().text));
    });
}

void cheatCvar(RuleContext &c)
{
    const QSet<QString> &cheats = cheatCvars(c.profile);
    if (cheats.isEmpty())
        return;
    for (const Assignment &set : c.assignments())
        if (withCase(set.name->text, false, [&](QStringView lower) {
                return cheats.contains(QString::fromRawData(lower.data(), lower.size()));
            }))
            c.report(set.name->begin, set.name->end,
                     QStringLiteral("%1 is cheat protected in %2: it is reset to its default "
                                    "when you join a server without cheats. Drop this line.")
                         .arg(quoted(set.name->text), c.engine()));
}

void gameCvarWithoutSet(RuleContext &c)
{
    if (c.profile.family != Family::Quake3)
        return;
    for (const Assignment &set : c.assignments()) {
        const QStringView name = set.name->text;
        if (!set.bare || !(name.startsWith(u"g_", Qt::CaseInsensitive) ||
                           name.startsWith(u"cg_", Qt::CaseInsensitive) ||
                           name.startsWith(u"ui_", Qt::CaseInsensitive)))
            continue;
        c.report(set.name->begin, set.command->end,
                 QStringLiteral("%1 belongs to the game module, which %2 hasn't loaded while "
                                "configs run at start-up: without set it prints \"Unknown "
                                "command\". Write 'seta %3 ...'.")
                     .arg(quoted(set.name->text), c.engine(), set.name->text));
    }
}

void decimalComma(RuleContext &c)
{
    for (const Assignment &set : c.assignments()) {
        // An optional sign, digits, one comma, at least one digit.
        const QStringView value = set.value->text;
        const qsizetype comma = value.indexOf(u',');
        if (comma < 0)
            continue;
        const qsizetype digits = value.startsWith(u'+') || value.startsWith(u'-') ? 1 : 0;
        const QStringView whole = value.mid(digits, comma - digits);
        const QStringView part = value.mid(comma + 1);
        if (part.isEmpty() || !std::all_of(whole.begin(), whole.end(), isDigit) ||
            !std::all_of(part.begin(), part.end(), isDigit))
            continue;
        const QString read = whole.isEmpty() ? QStringLiteral("0") : whole.toString();
        c.report(set.value->begin, set.value->end,
                 QStringLiteral("%1 reads numbers up to the comma: %2 counts as %3. Write '%4'.")
                     .arg(c.engine(), quoted(set.value->text), read,
                          QString(set.value->text.toString()).replace(u',', u'.')));
    }
}

// A key name as the engine looks it up: a single character as written where the engine takes
// it so, any other name in any letter case.
NameKey keyOf(QStringView key, const EngineProfile &profile)
{
    return {key, key.size() != 1 || !profile.singleKeyCaseSensitive, true};
}

void duplicateBind(RuleContext &c)
{
    QHash<NameKey, int> boundAt;
    for (const Command &command : c.commands) {
        if (command.dropped)
            continue;
        if (command.verb == Verb::Unbindall)
            boundAt.clear();
        if (command.words.size() < 2 ||
            (command.verb != Verb::Bind && command.verb != Verb::Unbind))
            continue;
        const NameKey key = keyOf(command.words.at(1).text, c.profile);
        if (command.verb == Verb::Unbind)
            boundAt.remove(key);
        if (command.verb != Verb::Bind || command.words.size() < 3)
            continue;
        const auto earlier = boundAt.constFind(key);
        if (earlier != boundAt.constEnd())
            c.report(command.words.at(1).begin, command.words.at(1).end,
                     QStringLiteral("%1 is bound again here: %2 keeps only this bind, the one on "
                                    "line %3 no longer applies. Remove one of them.")
                         .arg(quoted(command.words.at(1).text), c.engine(),
                              QString::number(c.lines.line(*earlier))));
        boundAt.insert(key, command.begin);
    }
}

void vstrOfUnsetName(RuleContext &c)
{
    if (!c.profile.hasVstr)
        return;
    // The few names vstr runs, then one look at the many assignments for each of them.
    const bool fold = !c.profile.caseSensitiveCvars;
    QHash<NameKey, bool> isSet;
    c.forEach({Verb::Vstr}, [&](const Command &command) {
        if (command.words.size() >= 2)
            isSet.insert({command.words.at(1).text, fold}, false);
    });
    if (isSet.isEmpty())
        return;
    for (const Assignment &assignment : c.assignments()) {
        const auto target = isSet.find({assignment.name->text, fold});
        if (target != isSet.end())
            *target = true;
    }
    c.forEach({Verb::Vstr}, [&](const Command &command) {
        if (command.words.size() < 2 || isSet.value({command.words.at(1).text, fold}))
            return;
        const Word &name = command.words.at(1);
        c.report(name.begin, name.end,
                 QStringLiteral("%1 is never set in this file: unless another config sets it, "
                                "%2 runs nothing here. Set it before this line.")
                     .arg(quoted(name.text), c.engine()));
    });
}

void cvarCaseNearMiss(RuleContext &c)
{
    if (!c.profile.caseSensitiveCvars)
        return;
    // Each name in lower case to its spelling: the game's own names, then the file's first.
    static const QHash<NameKey, QStringView> gameNames = [] {
        QHash<NameKey, QStringView> names;
        for (const QString &name : knownCvars(Family::Quake2))
            names.insert({name}, name);
        return names;
    }();
    QHash<NameKey, QStringView> spelling =
        c.profile.family == Family::Quake2 ? gameNames : QHash<NameKey, QStringView>();
    for (const Assignment &set : c.assignments()) {
        const QStringView name = set.name->text;
        auto first = spelling.find({name});
        if (first == spelling.end())
            first = spelling.insert({name}, name);
        if (*first == name || first->isEmpty())
            continue;
        const QString known = first->toString();
        c.report(set.name->begin, set.name->end,
                 QStringLiteral("%1 tells cvar names apart by letter case: %2 is a new cvar, "
                                "not %3. Write '%4'.")
                     .arg(c.engine(), quoted(name), quoted(known), known));
    }
}

} // namespace

const QList<Rule> &settingRules()
{
    static const QList<Rule> rules = {
        {"plus-inside-bind", Severity::Warning, plusInsideBind},
        {"unknown-key", Severity::Error, unknownKey},
        {"capital-key", Severity::Warning, capitalKey},
        {"semicolon-key", Severity::Error, semicolonKey},
        {"cheat-cvar", Severity::Warning, cheatCvar},
        {"game-cvar-without-set", Severity::Warning, gameCvarWithoutSet},
        {"decimal-comma", Severity::Warning, decimalComma},
        {"duplicate-bind", Severity::Warning, duplicateBind},
        {"vstr-unset", Severity::Warning, vstrOfUnsetName},
        {"cvar-case", Severity::Warning, cvarCaseNearMiss},
    };
    return rules;
}

} // namespace analysis
