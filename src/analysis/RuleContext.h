#pragma once

#include "analysis/CommandSplitter.h"
#include "analysis/Diagnostics.h"

#include <functional>

namespace analysis {

/** What every rule sees: the input, the engine, the commands it runs, and where to report. */
struct RuleContext {
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
    QString engine() const { return QString::fromLatin1(profile.name); }
    /** Runs @p visit for each command whose first word is one of @p names (any letter case). */
    void forEach(std::initializer_list<const char *> names,
                 const std::function<void(const Command &)> &visit) const;
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
/** @p word is @p name in any letter case. */
bool sameName(QStringView word, const char *name);
bool isCommand(const Command &command, const char *name);
bool isSetCommand(const Command &command);
QString quoted(const QString &text);
QString bytes(qint64 count);

} // namespace analysis
