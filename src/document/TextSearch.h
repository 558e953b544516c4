#pragma once

#include <QList>
#include <QString>
#include <optional>

namespace document {

struct SearchOptions {
    bool matchCase = false;
    /** Only matches with no letter, digit or underscore right before or after them. */
    bool wholeWord = false;
};

struct TextMatch {
    int start = 0;
    int length = 0;
    bool operator==(const TextMatch &) const = default;
};

/** Every match of @p needle in @p text, left to right, not overlapping. */
QList<TextMatch> findAll(const QString &text, const QString &needle, const SearchOptions &options);

/**
 * The first match starting at or after @p from (before @p from, going @p backward),
 * wrapping round the end of the text; nothing when there is none.
 */
std::optional<TextMatch> findFrom(const QString &text, const QString &needle,
                                  const SearchOptions &options, int from, bool backward);

} // namespace document
