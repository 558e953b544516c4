#include "analysis/RuleContext.h"

#include <QHash>
#include <QRegularExpression>

namespace analysis {

namespace {

// First words that are commands, not cvars, in every engine (a bare `name value` sets a cvar).
const char *const kCommandWords[] = {
    "bind",  "unbind",       "unbindall",   "exec",     "vstr",    "echo",
    "say",   "say_team",     "alias",       "set",      "seta",    "setu",
    "sets",  "toggle",       "cmd",         "wait",     "connect", "map",
    "reset", "cvar_restart", "writeconfig", "bindlist", "cvarlist"};

bool isCommandWord(QStringView word)
{
    for (const char *name : kCommandWords)
        if (sameName(word, name))
            return true;
    return false;
}

/** A cvar given a value: by the set family, or bare as `name value`. */
struct Assignment {
    const Command *command;
    const Word *name;
    const Word *value;
    bool bare;
};

QList<Assignment> assignments(const RuleContext &c)
{
    QList<Assignment> found;
    for (const Command &command : c.commands) {
        const auto &words = command.words;
        if (command.dropped || words.size() < 2)
            continue;
        if (isSetCommand(command) && words.size() >= 3)
            found.append({&command, &words.at(1), &words.at(2), false});
        else if (!words.first().quoted && !isCommandWord(words.first().text) &&
                 !words.first().text.startsWith(u'+') && !words.first().text.startsWith(u'-'))
            found.append({&command, &words.at(0), &words.at(1), true});
    }
    return found;
}

QString cvarKey(const QString &name, const EngineProfile &profile)
{
    return profile.caseSensitiveCvars ? name : name.toLower();
}

void plusInsideBind(RuleContext &c)
{
    if (!c.profile.plusOnlyFirstReleased)
        return;
    c.forEach({"bind"}, [&](const Command &command) {
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

bool isHexKey(const QString &key, const EngineProfile &profile)
{
    static const QRegularExpression hex(QStringLiteral("^0x[0-9a-fA-F]{2}$"));
    return profile.family == Family::Quake3 && hex.match(key).hasMatch();
}

void unknownKey(RuleContext &c)
{
    const QSet<QString> &names = keyNames(c.profile);
    if (names.isEmpty())
        return;
    c.forEach({"bind", "unbind"}, [&](const Command &command) {
        if (command.words.size() < 2)
            return;
        const Word &key = command.words.at(1);
        if (key.text.size() == 1 || names.contains(key.text.toString().toUpper()) ||
            isHexKey(key.text.toString(), c.profile))
            return;
        c.report(key.begin, key.end,
                 QStringLiteral("%1 has no key called %2: it prints '\"%3\" isn't a valid key' "
                                "and binds nothing. Use a key name of this engine.")
                     .arg(c.engine(), quoted(key.text.toString()), key.text.toString()));
    });
}

void capitalKey(RuleContext &c)
{
    if (!c.profile.singleKeyCaseSensitive)
        return;
    c.forEach({"bind", "unbind"}, [&](const Command &command) {
        if (command.words.size() < 2)
            return;
        const Word &key = command.words.at(1);
        if (key.text.size() != 1 || !key.text.at(0).isUpper())
            return;
        c.report(key.begin, key.end,
                 QStringLiteral("%1 takes a single letter as written: '%2' is a code no key "
                                "sends, so this bind never fires. Write '%3'.")
                     .arg(c.engine(), key.text.toString(), key.text.toString().toLower()));
    });
}

void semicolonKey(RuleContext &c)
{
    c.forEach({"bind", "unbind"}, [&](const Command &command) {
        if (command.words.size() != 1 || command.terminator != ';')
            return;
        c.report(command.begin, command.end + 1,
                 QStringLiteral("A ';' ends the command, so %1 runs '%2' alone and the rest of "
                                "the line as commands of their own. Write the key as "
                                "SEMICOLON.")
                     .arg(c.engine(), command.words.first().text.toString()));
    });
}

void cheatCvar(RuleContext &c)
{
    const QSet<QString> &cheats = cheatCvars(c.profile);
    if (cheats.isEmpty())
        return;
    for (const Assignment &set : assignments(c))
        if (cheats.contains(set.name->text.toString().toLower()))
            c.report(set.name->begin, set.name->end,
                     QStringLiteral("%1 is cheat protected in %2: it is reset to its default "
                                    "when you join a server without cheats. Drop this line.")
                         .arg(quoted(set.name->text.toString()), c.engine()));
}

void gameCvarWithoutSet(RuleContext &c)
{
    static const QRegularExpression gameCvar(QStringLiteral("^(g|cg|ui)_"),
                                             QRegularExpression::CaseInsensitiveOption);
    if (c.profile.family != Family::Quake3)
        return;
    for (const Assignment &set : assignments(c)) {
        if (!set.bare || !set.name->text.contains(u'_') ||
            !gameCvar.match(set.name->text.toString()).hasMatch())
            continue;
        c.report(
            set.name->begin, set.command->end,
            QStringLiteral("%1 belongs to the game module, which %2 hasn't loaded while "
                           "configs run at start-up: without set it prints \"Unknown "
                           "command\". Write 'seta %3 ...'.")
                .arg(quoted(set.name->text.toString()), c.engine(), set.name->text.toString()));
    }
}

void decimalComma(RuleContext &c)
{
    static const QRegularExpression number(QStringLiteral("^[+-]?(\\d*),(\\d+)$"));
    for (const Assignment &set : assignments(c)) {
        if (!set.value->text.contains(u','))
            continue;
        const QRegularExpressionMatch match = number.match(set.value->text.toString());
        if (!match.hasMatch())
            continue;
        const QString read = match.captured(1).isEmpty() ? QStringLiteral("0") : match.captured(1);
        c.report(set.value->begin, set.value->end,
                 QStringLiteral("%1 reads numbers up to the comma: %2 counts as %3. Write '%4'.")
                     .arg(c.engine(), quoted(set.value->text.toString()), read,
                          QString(set.value->text.toString()).replace(u',', u'.')));
    }
}

QString keyOf(const QString &key, const EngineProfile &profile)
{
    return key.size() == 1 && profile.singleKeyCaseSensitive ? key : key.toUpper();
}

void duplicateBind(RuleContext &c)
{
    QHash<QString, int> boundAt;
    for (const Command &command : c.commands) {
        if (command.dropped || command.words.isEmpty())
            continue;
        if (isCommand(command, "unbindall"))
            boundAt.clear();
        if (command.words.size() < 2)
            continue;
        const QString key = keyOf(command.words.at(1).text.toString(), c.profile);
        if (isCommand(command, "unbind"))
            boundAt.remove(key);
        if (!isCommand(command, "bind") || command.words.size() < 3)
            continue;
        const auto earlier = boundAt.constFind(key);
        if (earlier != boundAt.constEnd())
            c.report(command.words.at(1).begin, command.words.at(1).end,
                     QStringLiteral("%1 is bound again here: %2 keeps only this bind, the one on "
                                    "line %3 no longer applies. Remove one of them.")
                         .arg(quoted(command.words.at(1).text.toString()), c.engine(),
                              QString::number(c.lines.line(*earlier))));
        boundAt.insert(key, command.begin);
    }
}

void vstrOfUnsetName(RuleContext &c)
{
    if (!c.profile.hasVstr)
        return;
    QSet<QString> set;
    for (const Assignment &assignment : assignments(c))
        set.insert(cvarKey(assignment.name->text.toString(), c.profile));
    c.forEach({"vstr"}, [&](const Command &command) {
        if (command.words.size() < 2 ||
            set.contains(cvarKey(command.words.at(1).text.toString(), c.profile)))
            return;
        const Word &name = command.words.at(1);
        c.report(name.begin, name.end,
                 QStringLiteral("%1 is never set in this file: unless another config sets it, "
                                "%2 runs nothing here. Set it before this line.")
                     .arg(quoted(name.text.toString()), c.engine()));
    });
}

void cvarCaseNearMiss(RuleContext &c)
{
    if (!c.profile.caseSensitiveCvars)
        return;
    QHash<QString, QString> byLowerName;
    for (const QString &name : knownCvars(c.profile.family))
        byLowerName.insert(name.toLower(), name);
    const QList<Assignment> found = assignments(c);
    for (const Assignment &set : found)
        if (!byLowerName.contains(set.name->text.toString().toLower()))
            byLowerName.insert(set.name->text.toString().toLower(), set.name->text.toString());
    for (const Assignment &set : found) {
        const QString name = set.name->text.toString();
        const QString known = byLowerName.value(name.toLower());
        if (known == name || known.isEmpty())
            continue;
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
