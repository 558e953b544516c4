#pragma once

#include <QColor>
#include <QList>
#include <QString>
#include <optional>

namespace document {

/** A stretch of text to colour and make bold; positions count a line break as two. */
struct KeywordRange {
    int start = 0;
    int length = 0;
    QColor color;
    bool operator==(const KeywordRange &) const = default;
};

/** One step of the whole-file pass: a segment examined, and the keyword it coloured, if any. */
struct FormatStep {
    std::optional<KeywordRange> keyword;
    /** Where the keyword stands: 0-based line, and column within that line. */
    int line = 0;
    int column = 0;
};

/**
 * The whole-file pass over @p text (CR LF line breaks), from the last line to the first.
 * Each step takes the line before the caret and colours the first of "bind ", "setu ",
 * "seta ", "vstr ", "set " found in it as a word (at the segment start or behind a
 * character that is not a letter, digit or underscore), then moves the caret in front
 * of that keyword, or to the end of the previous line when nothing was found.
 * The pass always reaches the first line.
 */
QList<FormatStep> scanWholeFile(const QStringList &lines);
/** The same over a text with CR LF line breaks. */
QList<FormatStep> scanWholeFile(const QString &text);

/**
 * The keywords of pasted @p text: whole words between blanks and line breaks that are
 * keywords in any letter case, with positions relative to the text's start.
 */
QList<KeywordRange> scanPastedText(const QString &text);

/** The progress caption after @p caption in the "Please hold" cycle of one to four dots. */
QString nextProgressCaption(const QString &caption);

} // namespace document
