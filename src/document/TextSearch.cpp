#include "document/TextSearch.h"

namespace document {

namespace {

bool isWordCharacter(QChar ch)
{
    return ch.isLetterOrNumber() || ch == QLatin1Char('_');
}

bool standsAlone(const QString &text, qsizetype start, qsizetype length)
{
    const qsizetype end = start + length;
    return (start == 0 || !isWordCharacter(text.at(start - 1))) &&
           (end == text.size() || !isWordCharacter(text.at(end)));
}

} // namespace

QList<TextMatch> findAll(const QString &text, const QString &needle, const SearchOptions &options)
{
    QList<TextMatch> matches;
    if (needle.isEmpty())
        return matches;
    const Qt::CaseSensitivity sensitivity =
        options.matchCase ? Qt::CaseSensitive : Qt::CaseInsensitive;
    qsizetype from = 0;
    while ((from = text.indexOf(needle, from, sensitivity)) >= 0) {
        if (!options.wholeWord || standsAlone(text, from, needle.size())) {
            matches.append(TextMatch{int(from), int(needle.size())});
            from += needle.size();
        } else {
            ++from;
        }
    }
    return matches;
}

std::optional<TextMatch> findFrom(const QString &text, const QString &needle,
                                  const SearchOptions &options, int from, bool backward)
{
    const QList<TextMatch> matches = findAll(text, needle, options);
    if (matches.isEmpty())
        return std::nullopt;
    if (backward) {
        for (qsizetype i = matches.size() - 1; i >= 0; --i)
            if (matches.at(i).start < from)
                return matches.at(i);
        return matches.last();
    }
    for (const TextMatch &match : matches)
        if (match.start >= from)
            return match;
    return matches.first();
}

} // namespace document
