#include "analysis/Diagnostics.h"

#include "analysis/RuleContext.h"

#include <QLocale>
#include <algorithm>
#include <vector>

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

const QList<Assignment> &RuleContext::assignments() const
{
    if (m_assignments)
        return *m_assignments;
    QList<Assignment> &found = m_assignments.emplace();
    for (const Command &command : commands) {
        const auto &words = command.words;
        if (command.dropped || words.size() < 2)
            continue;
        if (isSetCommand(command) && words.size() >= 3)
            found.append({&command, &words.at(1), &words.at(2), false});
        else if (!words.first().quoted && command.verb == Verb::Other &&
                 !words.first().text.startsWith(u'+') && !words.first().text.startsWith(u'-'))
            found.append({&command, &words.at(0), &words.at(1), true});
    }
    return found;
}

qint64 RuleContext::bufferedBytes() const
{
    if (m_bufferedBytes < 0)
        m_bufferedBytes = analysis::bufferedBytes(input, profile);
    return m_bufferedBytes;
}

bool isSetCommand(const Command &command)
{
    return command.verb >= Verb::Set && command.verb <= Verb::Sets;
}

QString quoted(QStringView text)
{
    const int kShown = 60;
    const bool cut = text.size() > kShown;
    QString result;
    result.reserve(qMin<qsizetype>(text.size(), kShown) + 5);
    result.append(u'\'').append(cut ? text.left(kShown) : text);
    result.append(cut ? QLatin1String("...'") : QLatin1String("'"));
    return result;
}

QString bytes(qint64 count)
{
    return QLocale(QLocale::English).toString(count);
}

namespace {

// Stable by offset: findings at one place keep the order of the rule table. Sorts the offsets
// and moves each finding once.
QList<Diagnostic> inTextOrder(QList<Diagnostic> found)
{
    const auto byBegin = [](const Diagnostic &a, const Diagnostic &b) { return a.begin < b.begin; };
    if (std::is_sorted(found.cbegin(), found.cend(), byBegin))
        return found;
    std::vector<std::pair<int, int>> order; // (offset, index)
    order.reserve(found.size());
    for (int i = 0; i < int(found.size()); ++i)
        order.emplace_back(found.at(i).begin, i);
    std::sort(order.begin(), order.end());
    QList<Diagnostic> sorted;
    sorted.reserve(found.size());
    for (const auto &[begin, index] : order)
        sorted.append(std::move(found[index]));
    return sorted;
}

} // namespace

QList<Diagnostic> check(const CheckInput &input, const EngineProfile &profile)
{
    const SplitText split = splitCommands(input.text, profile);
    const LineIndex lines(input.text);
    QList<Diagnostic> found;
    RuleContext context(input, profile, split.commands, lines, found);
    for (const QList<Rule> *rules : {&fileRules(), &syntaxRules(), &settingRules()})
        for (const Rule &rule : *rules) {
            context.rule = QLatin1String(rule.id);
            context.severity = rule.severity;
            rule.run(context);
        }
    return inTextOrder(std::move(found));
}

} // namespace analysis
