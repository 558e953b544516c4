#include "analysis/Diagnostics.h"

#include "analysis/RuleContext.h"

#include <QLocale>
#include <algorithm>

namespace analysis {

LineIndex::LineIndex(const QString &text)
{
    m_starts.append(0);
    const QChar *data = text.constData();
    for (int i = 0, n = int(text.size()); i < n; ++i)
        if (data[i] == u'\n')
            m_starts.append(i + 1);
}

int LineIndex::line(int offset) const
{
    return int(std::upper_bound(m_starts.begin(), m_starts.end(), offset) - m_starts.begin());
}

int LineIndex::column(int offset) const
{
    return offset - m_starts.at(line(offset) - 1) + 1;
}

QString severityName(Severity severity)
{
    switch (severity) {
    case Severity::Error: return QStringLiteral("error");
    case Severity::Warning: return QStringLiteral("warning");
    case Severity::Note: return QStringLiteral("note");
    }
    return {};
}

void RuleContext::forEach(std::initializer_list<const char *> names,
                          const std::function<void(const Command &)> &visit) const
{
    for (const Command &command : commands) {
        if (command.dropped || command.words.isEmpty())
            continue;
        for (const char *name : names)
            if (isCommand(command, name)) {
                visit(command);
                break;
            }
    }
}

bool sameName(QStringView word, const char *name)
{
    const QLatin1String latin(name);
    return word.size() == latin.size() && word.compare(latin, Qt::CaseInsensitive) == 0;
}

bool isCommand(const Command &command, const char *name)
{
    return !command.words.isEmpty() && sameName(command.words.first().text, name);
}

bool isSetCommand(const Command &command)
{
    return isCommand(command, "set") || isCommand(command, "seta") || isCommand(command, "setu") ||
           isCommand(command, "sets");
}

QString quoted(const QString &text)
{
    const int kShown = 60;
    const QString shown = text.size() > kShown ? text.left(kShown) + QStringLiteral("...") : text;
    return QLatin1Char('\'') + shown + QLatin1Char('\'');
}

QString bytes(qint64 count)
{
    return QLocale(QLocale::English).toString(count);
}

QList<Diagnostic> check(const CheckInput &input, const EngineProfile &profile)
{
    const QList<Command> commands = splitCommands(input.text, profile);
    const LineIndex lines(input.text);
    QList<Diagnostic> found;
    RuleContext context{input, profile, commands, lines, found, {}, Severity::Warning};
    for (const QList<Rule> *rules : {&fileRules(), &syntaxRules(), &settingRules()})
        for (const Rule &rule : *rules) {
            context.rule = QLatin1String(rule.id);
            context.severity = rule.severity;
            rule.run(context);
        }
    std::stable_sort(found.begin(), found.end(),
                     [](const Diagnostic &a, const Diagnostic &b) { return a.begin < b.begin; });
    return found;
}

} // namespace analysis
